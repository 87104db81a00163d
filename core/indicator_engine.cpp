#include "indicator_engine.h"

#include "display_text.h"
#include "number_syntax.h"
#include "period.h"

#include <cmath>
#include <cstdlib>
#include <iterator>
#include <cstdint>
#include <optional>

namespace termalo::core {
namespace {

using Real = long double;  // x87 extended: every indicator is computed in it

// The converted inputs of one run, at their storage widths.
struct Working {
    std::int32_t rooms1 = 0, rooms2 = 0, rooms3 = 0;
    double contractedNights = 0;
    float contractNightsGranted = 0, contractGuests = 0;
    float individualNightsGranted = 0, individualGuests = 0;
    float occupiedDays1 = 0, occupiedDays2 = 0, occupiedDays3 = 0;
    double contractRevenue = 0, individualRevenue = 0;
    float daysInPeriod = 0;
    double avgPricePerPlace = 0;

    // Places and rooms in 32-bit arithmetic; empty when the sum overflows.
    std::optional<std::int32_t> places, rooms;
};

std::optional<std::int32_t> checkedPlaces(std::int32_t r1, std::int32_t r2, std::int32_t r3) {
    std::int32_t twice = 0, thrice = 0, sum = 0;
    if (__builtin_mul_overflow(r2, 2, &twice) || __builtin_mul_overflow(r3, 3, &thrice) ||
        __builtin_add_overflow(r1, twice, &sum) || __builtin_add_overflow(sum, thrice, &sum)) {
        return std::nullopt;
    }
    return sum;
}

std::optional<std::int32_t> checkedRooms(std::int32_t r1, std::int32_t r2, std::int32_t r3) {
    std::int32_t sum = 0;
    if (__builtin_add_overflow(r1, r2, &sum) || __builtin_add_overflow(sum, r3, &sum)) {
        return std::nullopt;
    }
    return sum;
}

// The indicator formulas. Each evaluates left to right in extended precision.
enum class Formula : std::uint8_t {
    Places,
    Rooms,
    Rooms1,
    Rooms2,
    Rooms3,
    ServiceCapacityPlaces,
    ServiceCapacityRooms,
    ServiceCapacityRooms1,
    ServiceCapacityRooms2,
    ServiceCapacityRooms3,
    ServiceCapacityContract,
    ServiceCapacityCommercial,
    PlaceUtilisationTotal,
    PlaceUtilisationContract,
    PlaceUtilisationCommercial,
    StayShareContract,
    StayShareCommercial,
    FreePlacesShare,
    RoomUtilisationTotal,
    RoomUtilisation1,
    RoomUtilisation2,
    RoomUtilisation3,
    AvgStayTotal,
    AvgStayCommercial,
    AvgStayContract,
    RevenuePerPlaceTotal,
    RevenuePerPlaceContract,
    RevenuePerPlaceCommercial,
    RevenuePerAvailablePlaceTotal,
    RevenuePerAvailablePlaceContract,
    RevenuePerAvailablePlaceCommercial,
    RevenuePotentialUtilisation,
    RevenueShareCommercial,
    RevenueShareContract,
};

// A quotient, or nothing for a zero divisor.
std::optional<Real> divide(Real dividend, Real divisor) {
    if (divisor == 0) return std::nullopt;
    return dividend / divisor;
}

std::optional<Real> percent(std::optional<Real> ratio) {
    if (!ratio) return std::nullopt;
    return *ratio * 100;
}

std::optional<Real> evaluate(Formula formula, const Working& w) {
    // Operands are loaded exactly; P and R once their integer sums are complete.
    const Real d = w.daysInPeriod;
    const Real r1 = w.rooms1, r2 = w.rooms2, r3 = w.rooms3;
    const Real contracted = w.contractedNights;
    const Real cng = w.contractNightsGranted, ing = w.individualNightsGranted;
    const Real cg = w.contractGuests, ig = w.individualGuests;
    const Real od1 = w.occupiedDays1, od2 = w.occupiedDays2, od3 = w.occupiedDays3;
    const Real cr = w.contractRevenue, ir = w.individualRevenue;
    const Real price = w.avgPricePerPlace;

    // P, R and their products with D, empty when the 32-bit sum overflowed.
    std::optional<Real> places, rooms, pd, rd;
    if (w.places) {
        places = static_cast<Real>(*w.places);
        pd = *places * d;
    }
    if (w.rooms) {
        rooms = static_cast<Real>(*w.rooms);
        rd = *rooms * d;
    }

    switch (formula) {
    case Formula::Places: return places;
    case Formula::Rooms: return rooms;
    case Formula::Rooms1: return r1;
    case Formula::Rooms2: return r2;
    case Formula::Rooms3: return r3;
    case Formula::ServiceCapacityPlaces: return pd;
    case Formula::ServiceCapacityRooms: return rd;
    case Formula::ServiceCapacityRooms1: return r1 * d;
    case Formula::ServiceCapacityRooms2: return r2 * d;
    case Formula::ServiceCapacityRooms3: return r3 * d;
    case Formula::ServiceCapacityContract: return contracted;
    case Formula::ServiceCapacityCommercial:
        if (!pd) return std::nullopt;
        return *pd - contracted;
    case Formula::PlaceUtilisationTotal:
        if (!pd) return std::nullopt;
        return percent(divide(cng + ing, *pd));
    case Formula::PlaceUtilisationContract: return percent(divide(cng, contracted));
    case Formula::PlaceUtilisationCommercial:
        if (!pd) return std::nullopt;
        return percent(divide(ing, *pd - contracted));
    case Formula::StayShareContract:
        if (!pd) return std::nullopt;
        return percent(divide(cng, *pd));
    case Formula::StayShareCommercial:
        if (!pd) return std::nullopt;
        return percent(divide(ing, *pd));
    case Formula::FreePlacesShare:
        if (!pd) return std::nullopt;
        return percent(divide(*pd - (cng + ing), *pd));
    case Formula::RoomUtilisationTotal:
        if (!rd) return std::nullopt;
        return percent(divide(od1 + od2 + od3, *rd));
    case Formula::RoomUtilisation1: return percent(divide(od1, r1 * d));
    case Formula::RoomUtilisation2: return percent(divide(od2, r2 * d));
    case Formula::RoomUtilisation3: return percent(divide(od3, r3 * d));
    case Formula::AvgStayTotal: return divide(cng + ing, cg + ig);
    case Formula::AvgStayCommercial: return divide(ing, ig);
    case Formula::AvgStayContract: return divide(cng, cg);
    case Formula::RevenuePerPlaceTotal: return divide(cr + ir, cng + ing);
    case Formula::RevenuePerPlaceContract: return divide(cr, cng);
    case Formula::RevenuePerPlaceCommercial: return divide(ir, ing);
    case Formula::RevenuePerAvailablePlaceTotal:
        if (!pd) return std::nullopt;
        return divide(cr + ir, *pd);
    case Formula::RevenuePerAvailablePlaceContract: return divide(cr, contracted);
    case Formula::RevenuePerAvailablePlaceCommercial:
        if (!pd) return std::nullopt;
        return divide(ir, *pd - contracted);
    case Formula::RevenuePotentialUtilisation:
        if (!pd) return std::nullopt;
        return percent(divide(cr + ir, *pd * price));
    case Formula::RevenueShareCommercial: return percent(divide(ir, cr + ir));
    case Formula::RevenueShareContract: return percent(divide(cr, cr + ir));
    }
    return std::nullopt;
}

enum class Kind : std::uint8_t {
    Screen,  // display text of the indicator screen
    Chart,   // whole-number hand-over field of a chart window
    Header,  // an entered text copied unchanged
};

struct Row {
    Kind kind;
    Formula formula;  // Screen and Chart rows
    int decimals;     // Screen rows
    const char* suffix;
    const std::string InputTexts::*header;  // Header rows
    const char* window;
    const char* control;
};

constexpr const char* kPercent = "%";
constexpr const char* kDays = " dni(a)";
constexpr const char* kZloty = " z\xC5\x82";

constexpr Row screen(Formula f, int decimals, const char* suffix, const char* control) {
    return {Kind::Screen, f, decimals, suffix, nullptr, "Form4", control};
}
constexpr Row chart(Formula f, const char* window, const char* control) {
    return {Kind::Chart, f, 0, "", nullptr, window, control};
}
constexpr Row header(const std::string InputTexts::*text, const char* control) {
    return {Kind::Header, Formula::Places, 0, "", text, "Form4", control};
}

using F = Formula;

// The outputs of a run, in the order they are written.
constexpr Row kRows[] = {
    screen(F::Places, 0, "", "Label2"),
    screen(F::Rooms, 0, "", "Label4"),
    screen(F::Rooms1, 0, "", "Label8"),
    screen(F::Rooms2, 0, "", "Label9"),
    screen(F::Rooms3, 0, "", "Label11"),
    screen(F::ServiceCapacityPlaces, 0, "", "Label13"),
    screen(F::ServiceCapacityRooms, 0, "", "Label17"),
    screen(F::ServiceCapacityRooms1, 0, "", "Label19"),
    screen(F::ServiceCapacityRooms2, 0, "", "Label20"),
    screen(F::ServiceCapacityRooms3, 0, "", "Label22"),
    screen(F::ServiceCapacityContract, 0, "", "Label28"),
    screen(F::ServiceCapacityCommercial, 0, "", "Label26"),
    screen(F::PlaceUtilisationTotal, 2, kPercent, "Label32"),
    screen(F::PlaceUtilisationContract, 2, kPercent, "Label34"),
    screen(F::PlaceUtilisationCommercial, 2, kPercent, "Label36"),
    chart(F::PlaceUtilisationTotal, "Form7", "Label1"),
    chart(F::PlaceUtilisationContract, "Form7", "Label2"),
    chart(F::PlaceUtilisationCommercial, "Form7", "Label3"),
    screen(F::StayShareContract, 2, kPercent, "Label40"),
    screen(F::StayShareCommercial, 2, kPercent, "Label38"),
    chart(F::StayShareContract, "Form13", "Label1"),
    chart(F::StayShareCommercial, "Form13", "Label2"),
    chart(F::FreePlacesShare, "Form13", "Label3"),
    screen(F::RoomUtilisationTotal, 2, kPercent, "Label43"),
    screen(F::RoomUtilisation1, 2, kPercent, "Label47"),
    screen(F::RoomUtilisation2, 2, kPercent, "Label48"),
    screen(F::RoomUtilisation3, 2, kPercent, "Label50"),
    chart(F::RoomUtilisation1, "Form8", "Label1"),
    chart(F::RoomUtilisation2, "Form8", "Label2"),
    chart(F::RoomUtilisation3, "Form8", "Label3"),
    chart(F::RoomUtilisationTotal, "Form8", "Label4"),
    screen(F::AvgStayTotal, 2, kDays, "Label46"),
    screen(F::AvgStayCommercial, 2, kDays, "Label56"),
    screen(F::AvgStayContract, 2, kDays, "Label54"),
    chart(F::AvgStayTotal, "Form11", "Label1"),
    chart(F::AvgStayCommercial, "Form11", "Label2"),
    chart(F::AvgStayContract, "Form11", "Label3"),
    screen(F::RevenuePerPlaceTotal, 2, kZloty, "Label59"),
    screen(F::RevenuePerPlaceContract, 2, kZloty, "Label61"),
    screen(F::RevenuePerPlaceCommercial, 2, kZloty, "Label63"),
    chart(F::RevenuePerPlaceTotal, "Form9", "Label1"),
    chart(F::RevenuePerPlaceContract, "Form9", "Label2"),
    chart(F::RevenuePerPlaceCommercial, "Form9", "Label3"),
    screen(F::RevenuePerAvailablePlaceTotal, 2, kZloty, "Label66"),
    screen(F::RevenuePerAvailablePlaceContract, 2, kZloty, "Label68"),
    screen(F::RevenuePerAvailablePlaceCommercial, 2, kZloty, "Label70"),
    chart(F::RevenuePerAvailablePlaceTotal, "Form10", "Label1"),
    chart(F::RevenuePerAvailablePlaceContract, "Form10", "Label2"),
    chart(F::RevenuePerAvailablePlaceCommercial, "Form10", "Label3"),
    screen(F::RevenuePotentialUtilisation, 2, kPercent, "Label74"),
    screen(F::RevenueShareCommercial, 2, kPercent, "Label76"),
    screen(F::RevenueShareContract, 2, kPercent, "Label78"),
    chart(F::RevenueShareCommercial, "Form14", "Label1"),
    chart(F::RevenueShareContract, "Form14", "Label2"),
    header(&InputTexts::sanatoriumName, "Label80"),
    header(&InputTexts::town, "Label81"),
    header(&InputTexts::sanatoriumAddress, "Label82"),
    header(&InputTexts::spaCompanyName, "Label83"),
    header(&InputTexts::monthName, "Label85"),
    header(&InputTexts::yearText, "Label86"),
    screen(F::FreePlacesShare, 2, kPercent, "Label93"),
    chart(F::PlaceUtilisationTotal, "Form12", "Label1"),
    chart(F::RoomUtilisationTotal, "Form12", "Label2"),
    chart(F::FreePlacesShare, "Form12", "Label3"),
    chart(F::RevenuePotentialUtilisation, "Form12", "Label4"),
};

static_assert(std::size(kRows) == 65);

const InputField& fieldOf(const std::string InputTexts::*text) {
    for (const InputField& field : inputFields()) {
        if (field.text == text) return field;
    }
    // Every member of InputTexts has its field.
    std::abort();
}

// Reads the numbers in their fixed order, each text only while it is parsed;
// `in` holds the texts that are taken as texts. The period rule runs between
// the stay figures and the days of the period. Returns false at the first text
// that is not a number; `store` holds the period store as far as the reading got.
bool readInputs(const InputReader& read, const InputTexts& in, const NumberFormat& format, Working& w,
                std::string& store) {
    using T = InputTexts;
    auto room = [&](const std::string T::*text, std::int32_t& out) {
        const auto v = parseRoomCount(read(fieldOf(text)), format);
        if (v) out = *v;
        return v.has_value();
    };
    auto singleOf = [&](std::string_view text, float& out) {
        const auto v = parseSingle(text, format);
        if (v) out = *v;
        return v.has_value();
    };
    auto single = [&](const std::string T::*text, float& out) { return singleOf(read(fieldOf(text)), out); };
    auto real = [&](const std::string T::*text, double& out) {
        const auto v = parseDouble(read(fieldOf(text)), format);
        if (v) out = *v;
        return v.has_value();
    };
    if (!room(&T::rooms1, w.rooms1) || !room(&T::rooms2, w.rooms2) || !room(&T::rooms3, w.rooms3) ||
        !real(&T::contractedNights, w.contractedNights) ||
        !single(&T::contractNightsGranted, w.contractNightsGranted) ||
        !single(&T::contractGuests, w.contractGuests) ||
        !single(&T::individualNightsGranted, w.individualNightsGranted) ||
        !single(&T::individualGuests, w.individualGuests) ||
        !single(&T::occupiedDays1, w.occupiedDays1) || !single(&T::occupiedDays2, w.occupiedDays2) ||
        !single(&T::occupiedDays3, w.occupiedDays3) ||
        !real(&T::contractRevenue, w.contractRevenue) ||
        !real(&T::individualRevenue, w.individualRevenue)) {
        return false;
    }
    store = applyPeriodRule(in.monthName, in.yearText, store);
    if (!singleOf(store, w.daysInPeriod) || !real(&T::avgPricePerPlace, w.avgPricePerPlace)) {
        return false;
    }
    w.places = checkedPlaces(w.rooms1, w.rooms2, w.rooms3);
    w.rooms = checkedRooms(w.rooms1, w.rooms2, w.rooms3);
    return true;
}

}  // namespace

std::span<const InputField> inputFields()
{
    static const InputField fields[] = {
        {{"Form2", "Edit1"}, &InputTexts::sanatoriumName, true},
        {{"Form2", "Edit2"}, &InputTexts::town, true},
        {{"Form2", "Edit3"}, &InputTexts::sanatoriumAddress, true},
        {{"Form2", "Edit4"}, &InputTexts::spaCompanyName, true},
        {{"Form2", "Edit5"}, &InputTexts::rooms1},
        {{"Form2", "Edit6"}, &InputTexts::rooms2},
        {{"Form2", "Edit7"}, &InputTexts::rooms3},
        {{"Form2", "Edit8"}, &InputTexts::avgPricePerPlace},
        {{"Form2", "ComboBox1"}, &InputTexts::monthName, true},
        {{"Form2", "ComboBox2"}, &InputTexts::yearText, true},
        {{"Form3", "Edit1"}, &InputTexts::contractedNights},
        {{"Form3", "Edit2"}, &InputTexts::contractNightsGranted},
        {{"Form3", "Edit3"}, &InputTexts::contractGuests},
        {{"Form3", "Edit4"}, &InputTexts::individualNightsGranted},
        {{"Form3", "Edit5"}, &InputTexts::individualGuests},
        {{"Form3", "Edit6"}, &InputTexts::occupiedDays1},
        {{"Form3", "Edit7"}, &InputTexts::occupiedDays2},
        {{"Form3", "Edit8"}, &InputTexts::occupiedDays3},
        {{"Form3", "Edit9"}, &InputTexts::contractRevenue},
        {{"Form3", "Edit10"}, &InputTexts::individualRevenue},
    };
    return fields;
}

EngineResult computeIndicators(const InputTexts& input, const std::string& periodStore,
                               const NumberFormat& format) {
    return computeIndicators([&input](const InputField& field) { return input.*field.text; }, periodStore,
                             format);
}

EngineResult computeIndicators(const InputReader& read, const std::string& periodStore,
                               const NumberFormat& format) {
    EngineResult result;
    result.periodStore = periodStore;
    // The texts taken as texts, read once: shown in the header, compared by the period rule.
    InputTexts input;
    for (const InputField& field : inputFields()) {
        if (field.textOnly) input.*field.text = read(field);
    }
    Working w;
    if (!readInputs(read, input, format, w, result.periodStore)) {
        result.failed = true;
        return result;
    }

    result.outputs.reserve(std::size(kRows));
    for (const Row& row : kRows) {
        Output out{Target{row.window, row.control}, {}};
        if (row.kind == Kind::Header) {
            out.text = input.*row.header;
        } else {
            const std::optional<Real> value = evaluate(row.formula, w);
            // A zero divisor, a sum of places or rooms beyond 32 bits, or an
            // overflow stops the run at this row.
            if (!value || !std::isfinite(*value)) {
                result.failed = true;
                return result;
            }
            if (row.kind == Kind::Screen) {
                out.text.reserve(24);
                appendDisplayText(out.text, *value, row.decimals, format);
                out.text += row.suffix;
            } else {
                std::optional<std::string> whole = chartValue(*value);
                if (!whole) {
                    result.failed = true;
                    return result;
                }
                out.text = std::move(*whole);
            }
        }
        result.outputs.push_back(std::move(out));
    }
    return result;
}

}  // namespace termalo::core
