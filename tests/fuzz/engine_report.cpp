// The indicator engine and the report composition. The input is lines: the
// period store, then the twenty field texts in the order of the entry screens
// (Form2's Edit1..Edit8, ComboBox1, ComboBox2, Form3's Edit1..Edit10); missing
// lines are empty texts. Polish notation.
//
// Held against: the C library's conversions (whether the run reads all its
// inputs, and the values of the rows that show an input or a plain product),
// a month table and a leap-year rule of its own, the shape of every output,
// and the report filled from exactly what the engine wrote.
#include "oracle.h"

#include "core/display_text.h"
#include "core/indicator_engine.h"
#include "core/report.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace termalo;

namespace {

const std::string kSeparator = ",";
const std::string kGroup = "\xC2\xA0";

std::optional<std::int32_t> room(const std::string& t)
{
    return fuzz::matchesGrammar(t, kSeparator) ? fuzz::cRoomCount(t, kSeparator) : std::nullopt;
}
std::optional<float> single(const std::string& t)
{
    return fuzz::matchesGrammar(t, kSeparator) ? fuzz::cSingle(t, kSeparator) : std::nullopt;
}
std::optional<double> real(const std::string& t)
{
    return fuzz::matchesGrammar(t, kSeparator) ? fuzz::cDouble(t, kSeparator) : std::nullopt;
}

std::optional<int> monthDays(const std::string& month, const std::string& year)
{
    static const std::map<std::string, int> days = {
        {"Styczeń", 31}, {"Luty", 28},     {"Marzec", 31},   {"Kwiecień", 30},
        {"Maj", 31},     {"Czerwiec", 30}, {"Lipiec", 31},   {"Sierpień", 31},
        {"Wrzesień", 30}, {"Październik", 31}, {"Listopad", 30}, {"Grudzień", 31},
    };
    const auto it = days.find(month);
    if (it == days.end())
        return std::nullopt;
    if (month == "Luty" && fuzz::isLeapYearText(year))
        return 29;
    return it->second;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n')
            lines.emplace_back();
        else
            lines.back() += static_cast<char>(data[i]);
    }
    lines.resize(std::max<std::size_t>(lines.size(), 21));
    const std::string store = lines[0];
    core::InputTexts in;
    const auto fields = core::inputFields();
    if (fields.size() != 20)
        fuzz::fail("the entry screens do not hold twenty fields", "");
    for (std::size_t i = 0; i < fields.size(); ++i)
        in.*fields[i].text = lines[i + 1];

    const core::NumberFormat format{kSeparator, kGroup};
    const core::EngineResult result = core::computeIndicators(in, store, format);

    // Reading, in the fixed order: the rooms, the stays and revenues, the period, the price.
    const auto r1 = room(in.rooms1), r2 = room(in.rooms2), r3 = room(in.rooms3);
    const auto contracted = real(in.contractedNights);
    const bool staysRead = r1 && r2 && r3 && contracted && single(in.contractNightsGranted) &&
                           single(in.contractGuests) && single(in.individualNightsGranted) &&
                           single(in.individualGuests) && single(in.occupiedDays1) &&
                           single(in.occupiedDays2) && single(in.occupiedDays3) &&
                           real(in.contractRevenue) && real(in.individualRevenue);
    if (!staysRead) {
        if (!result.failed || !result.outputs.empty() || result.periodStore != store)
            fuzz::fail("an input that is not a number did not stop the run at once", in.rooms1);
        return 0;
    }
    const auto days = monthDays(in.monthName, in.yearText);
    const std::string expectedStore = days ? std::to_string(*days) : store;
    if (result.periodStore != expectedStore)
        fuzz::fail("period store", result.periodStore);
    const auto d = single(expectedStore);
    if (!d || !real(in.avgPricePerPlace)) {
        if (!result.failed || !result.outputs.empty())
            fuzz::fail("an unreadable period or price did not stop the run", expectedStore);
        return 0;
    }

    // Every output: a known control, written once, in a shape of its kind.
    std::map<std::string, std::string> written;  // "Form4/Label2" -> text
    for (const core::Output& out : result.outputs) {
        const std::string key = out.target.window + "/" + out.target.control;
        if (!written.emplace(key, out.text).second)
            fuzz::fail("a control written twice", key);
        if (out.target.window != "Form4" && !fuzz::readBack(out.text, ".", "") && out.text != "0")
            fuzz::fail("a chart value that is not a number", out.text);
    }
    if (!result.failed && result.outputs.size() != 65)
        fuzz::fail("a complete run without 65 outputs", std::to_string(result.outputs.size()));

    // Rows that show an input or a plain product, against the C library's values.
    const std::int64_t places = std::int64_t{*r1} + 2 * std::int64_t{*r2} + 3 * std::int64_t{*r3};
    const std::int64_t rooms = std::int64_t{*r1} + *r2 + *r3;
    const bool placesFit = places >= INT32_MIN && places <= INT32_MAX;
    const bool roomsFit = rooms >= INT32_MIN && rooms <= INT32_MAX;
    const long double D = *d;
    struct Expected {
        const char* label;
        std::optional<long double> value;
    };
    const Expected expected[] = {
        {"Label2", placesFit ? std::optional<long double>(places) : std::nullopt},
        {"Label4", roomsFit ? std::optional<long double>(rooms) : std::nullopt},
        {"Label8", *r1},
        {"Label9", *r2},
        {"Label11", *r3},
        {"Label13", placesFit ? std::optional<long double>(places * D) : std::nullopt},
        {"Label19", *r1 * D},
        {"Label28", *contracted},
    };
    for (const Expected& e : expected) {
        const auto it = written.find(std::string("Form4/") + e.label);
        if (!e.value) {
            if (it != written.end() || !result.failed)
                fuzz::fail("a sum beyond 32 bits was shown", e.label);
            break;  // the run stops at this row
        }
        if (it == written.end()) {
            if (!result.failed)
                fuzz::fail("a row is missing from a complete run", e.label);
            continue;
        }
        const auto shown = fuzz::readBack(it->second, kSeparator, kGroup);
        if (!shown || !fuzz::withinHalfUnit(*e.value, *shown, 0))
            fuzz::fail("a row differs from the C library's value", it->second);
    }
    // The header rows copy the texts unchanged.
    if (!result.failed) {
        const std::pair<const char*, const std::string*> header[] = {
            {"Label80", &in.sanatoriumName}, {"Label81", &in.town}, {"Label82", &in.sanatoriumAddress},
            {"Label83", &in.spaCompanyName}, {"Label85", &in.monthName}, {"Label86", &in.yearText},
        };
        for (const auto& [label, text] : header) {
            if (written[std::string("Form4/") + label] != *text)
                fuzz::fail("a header text changed on its way", label);
        }
    }

    // The report: every slot from exactly the text of its source, and every
    // indicator it quotes is one that a complete run writes.
    std::map<std::string, std::string> screen = written;
    for (std::size_t i = 0; i < fields.size(); ++i)
        screen[fields[i].source.window + "/" + fields[i].source.control] = in.*fields[i].text;
    screen["Form1/Panel4"] = "07.12.2026";
    std::vector<std::string> asked;
    const auto report = core::composeReport([&](const core::Target& t) {
        asked.push_back(t.window + "/" + t.control);
        return screen[t.window + "/" + t.control];
    });
    if (report.size() != 29 || asked.size() != 29)
        fuzz::fail("the report does not fill 29 slots", "");
    std::set<std::string> slots;
    for (std::size_t i = 0; i < report.size(); ++i) {
        if (!slots.insert(report[i].first).second)
            fuzz::fail("a report slot filled twice", report[i].first);
        if (report[i].second != screen[asked[i]])
            fuzz::fail("a report slot differs from its source", report[i].first);
        if (!result.failed && asked[i].starts_with("Form4/") && !written.count(asked[i]))
            fuzz::fail("the report quotes a control the engine never writes", asked[i]);
    }
    return 0;
}
