#include "core/indicator_engine.h"
#include "tests/support/worked_example.h"

#include "core/period.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace termalo::core;

namespace {

const NumberFormat kBlank{",", " "};

using termalo::testing::workedExample;

struct Expected {
    const char* window;
    const char* control;
    std::string text;
};

// Every output of the worked example, in row order.
std::vector<Expected> workedExampleOutputs(const InputTexts& in) {
    const std::string zl = " z\xC5\x82";
    return {
        {"Form4", "Label2", "130"},
        {"Form4", "Label4", "70"},
        {"Form4", "Label8", "20"},
        {"Form4", "Label9", "40"},
        {"Form4", "Label11", "10"},
        {"Form4", "Label13", "3 900"},
        {"Form4", "Label17", "2 100"},
        {"Form4", "Label19", "600"},
        {"Form4", "Label20", "1 200"},
        {"Form4", "Label22", "300"},
        {"Form4", "Label28", "1 500"},
        {"Form4", "Label26", "2 400"},
        {"Form4", "Label32", "82,05%"},
        {"Form4", "Label34", "93,33%"},
        {"Form4", "Label36", "75,00%"},
        {"Form7", "Label1", "82"},
        {"Form7", "Label2", "93"},
        {"Form7", "Label3", "75"},
        {"Form4", "Label40", "35,90%"},
        {"Form4", "Label38", "46,15%"},
        {"Form13", "Label1", "36"},
        {"Form13", "Label2", "46"},
        {"Form13", "Label3", "18"},
        {"Form4", "Label43", "73,81%"},
        {"Form4", "Label47", "75,00%"},
        {"Form4", "Label48", "75,00%"},
        {"Form4", "Label50", "66,67%"},
        {"Form8", "Label1", "75"},
        {"Form8", "Label2", "75"},
        {"Form8", "Label3", "67"},
        {"Form8", "Label4", "74"},
        {"Form4", "Label46", "12,80 dni(a)"},
        {"Form4", "Label56", "12,00 dni(a)"},
        {"Form4", "Label54", "14,00 dni(a)"},
        {"Form11", "Label1", "13"},
        {"Form11", "Label2", "12"},
        {"Form11", "Label3", "14"},
        {"Form4", "Label59", "166,88" + zl},
        {"Form4", "Label61", "150,00" + zl},
        {"Form4", "Label63", "180,00" + zl},
        {"Form9", "Label1", "167"},
        {"Form9", "Label2", "150"},
        {"Form9", "Label3", "180"},
        {"Form4", "Label66", "136,92" + zl},
        {"Form4", "Label68", "140,00" + zl},
        {"Form4", "Label70", "135,00" + zl},
        {"Form10", "Label1", "137"},
        {"Form10", "Label2", "140"},
        {"Form10", "Label3", "135"},
        {"Form4", "Label74", "91,28%"},
        {"Form4", "Label76", "60,67%"},
        {"Form4", "Label78", "39,33%"},
        {"Form14", "Label1", "61"},
        {"Form14", "Label2", "39"},
        {"Form4", "Label80", in.sanatoriumName},
        {"Form4", "Label81", in.town},
        {"Form4", "Label82", in.sanatoriumAddress},
        {"Form4", "Label83", in.spaCompanyName},
        {"Form4", "Label85", in.monthName},
        {"Form4", "Label86", in.yearText},
        {"Form4", "Label93", "17,95%"},
        {"Form12", "Label1", "82"},
        {"Form12", "Label2", "74"},
        {"Form12", "Label3", "18"},
        {"Form12", "Label4", "91"},
    };
}

void expectOutputs(const EngineResult& result, const std::vector<Expected>& expected,
                   std::size_t count) {
    ASSERT_EQ(result.outputs.size(), count);
    for (std::size_t i = 0; i < count; ++i) {
        SCOPED_TRACE("row " + std::to_string(i + 1));
        EXPECT_EQ(result.outputs[i].target, (Target{expected[i].window, expected[i].control}));
        EXPECT_EQ(result.outputs[i].text, expected[i].text);
    }
}

TEST(IndicatorEngine, WorkedExampleProducesEveryOutputInOrder) {
    const InputTexts in = workedExample();
    const EngineResult result = computeIndicators(in, std::string(kInitialPeriodStore), kBlank);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.periodStore, "30");
    expectOutputs(result, workedExampleOutputs(in), 65);
}

TEST(IndicatorEngine, ReadsEachFieldOnceAndNoNumberAfterAFormatError) {
    // A field may hold megabytes: its text is asked for once, and not at all
    // once the run has stopped.
    InputTexts in = workedExample();
    std::map<std::string, int> reads;
    const auto reader = [&](const InputField& field) {
        ++reads[field.source.window + "/" + field.source.control];
        return in.*field.text;
    };
    EXPECT_EQ(computeIndicators(reader, "Edit1", kBlank).outputs.size(), 65u);
    EXPECT_EQ(reads.size(), 20u);
    for (const auto& [field, count] : reads) EXPECT_EQ(count, 1) << field;

    reads.clear();
    in.rooms1 = "x";
    EXPECT_TRUE(computeIndicators(reader, "Edit1", kBlank).failed);
    EXPECT_EQ(reads.count("Form3/Edit10"), 0u);
}

TEST(IndicatorEngine, GroupSeparatorOfPolishSettings) {
    const EngineResult result =
        computeIndicators(workedExample(), "Edit1", NumberFormat{",", "\xC2\xA0"});
    ASSERT_EQ(result.outputs.size(), 65u);
    EXPECT_EQ(result.outputs[5].text, "3\xC2\xA0" "900");
    EXPECT_EQ(result.outputs[12].text, "82,05%");
    EXPECT_EQ(result.outputs[15].text, "82");  // chart values are never grouped
}

TEST(IndicatorEngine, HeaderTextsAreCopiedUnchanged) {
    InputTexts in = workedExample();
    in.sanatoriumName = "  Zdr\xC3\xB3j \xFF\xFE  ";
    in.monthName = "Luty";
    in.yearText = " 2004";
    const EngineResult result = computeIndicators(in, "Edit1", kBlank);
    ASSERT_EQ(result.outputs.size(), 65u);
    EXPECT_EQ(result.periodStore, "28");
    EXPECT_EQ(result.outputs[54].text, in.sanatoriumName);
    EXPECT_EQ(result.outputs[58].text, "Luty");
    EXPECT_EQ(result.outputs[59].text, " 2004");
}

// Each divisor stops the run at the first row that divides by it, with every
// earlier output produced.
TEST(IndicatorEngine, ZeroDivisorStopsAtItsRow) {
    struct Case {
        const char* divisor;
        int row;
        void (*change)(InputTexts&, std::string& store);
    };
    const Case cases[] = {
        {"P x D (days zero)", 13,
         [](InputTexts& in, std::string& store) { in.monthName = "?"; store = "0"; }},
        {"P x D (places zero)", 13,
         [](InputTexts& in, std::string&) { in.rooms1 = "1"; in.rooms2 = "1"; in.rooms3 = "-1"; }},
        {"ContractedNights", 14, [](InputTexts& in, std::string&) { in.contractedNights = "0"; }},
        {"P x D - ContractedNights", 15,
         [](InputTexts& in, std::string&) { in.contractedNights = "3900"; }},
        {"R x D", 24,
         [](InputTexts& in, std::string&) { in.rooms1 = "1"; in.rooms2 = "1"; in.rooms3 = "-2"; }},
        {"Rooms1 x D", 25, [](InputTexts& in, std::string&) { in.rooms1 = "0,9"; }},
        {"Rooms2 x D", 26, [](InputTexts& in, std::string&) { in.rooms1 = "30"; in.rooms2 = "0"; }},
        {"Rooms3 x D", 27, [](InputTexts& in, std::string&) { in.rooms3 = "-0,5"; }},
        {"ContractGuests + IndividualGuests", 32,
         [](InputTexts& in, std::string&) { in.contractGuests = "100"; in.individualGuests = "-100"; }},
        {"IndividualGuests", 33, [](InputTexts& in, std::string&) { in.individualGuests = "0"; }},
        {"ContractGuests", 34, [](InputTexts& in, std::string&) { in.contractGuests = "0"; }},
        {"ContractNightsGranted + IndividualNightsGranted", 38,
         [](InputTexts& in, std::string&) {
             in.contractNightsGranted = "1400";
             in.individualNightsGranted = "-1400";
         }},
        {"ContractNightsGranted", 39,
         [](InputTexts& in, std::string&) { in.contractNightsGranted = "0"; }},
        {"IndividualNightsGranted", 40,
         [](InputTexts& in, std::string&) { in.individualNightsGranted = "0"; }},
        {"P x D x AvgPricePerPlace", 50,
         [](InputTexts& in, std::string&) { in.avgPricePerPlace = "0"; }},
        {"ContractRevenue + IndividualRevenue", 51,
         [](InputTexts& in, std::string&) { in.contractRevenue = "0"; in.individualRevenue = "0"; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.divisor);
        InputTexts in = workedExample();
        std::string store(kInitialPeriodStore);
        c.change(in, store);
        const EngineResult result = computeIndicators(in, store, kBlank);
        EXPECT_TRUE(result.failed);
        ASSERT_EQ(result.outputs.size(), static_cast<std::size_t>(c.row - 1));
        // The last output is the one of the row before, addressed as in the
        // complete run.
        const Expected before = workedExampleOutputs(in)[static_cast<std::size_t>(c.row - 2)];
        EXPECT_EQ(result.outputs.back().target, (Target{before.window, before.control}));
    }
}

TEST(IndicatorEngine, ZeroRevenueShowsZeroPotentialBeforeStopping) {
    InputTexts in = workedExample();
    in.contractRevenue = "0";
    in.individualRevenue = "0";
    const EngineResult result = computeIndicators(in, "Edit1", kBlank);
    EXPECT_TRUE(result.failed);
    ASSERT_EQ(result.outputs.size(), 50u);
    EXPECT_EQ(result.outputs[49].text, "0,00%");
    EXPECT_EQ(result.outputs[37].text, "0,00 z\xC5\x82");
}

TEST(IndicatorEngine, ContractGuestsZeroLeavesEarlierStaysUpdated) {
    InputTexts in = workedExample();
    in.contractGuests = "0";
    const EngineResult result = computeIndicators(in, "Edit1", kBlank);
    ASSERT_EQ(result.outputs.size(), 33u);
    EXPECT_EQ(result.outputs[31].target, (Target{"Form4", "Label46"}));
    EXPECT_EQ(result.outputs[31].text, "21,33 dni(a)");  // 3200 nights / 150 guests
    EXPECT_EQ(result.outputs[32].target, (Target{"Form4", "Label56"}));
    EXPECT_EQ(result.outputs[32].text, "12,00 dni(a)");
}

TEST(IndicatorEngine, FormatErrorStopsBeforeAnyOutput) {
    struct Case {
        const char* name;
        std::string InputTexts::*field;
        const char* text;
        bool ruleRan;  // the field is read after the period rule
    };
    const Case cases[] = {
        {"empty Rooms1", &InputTexts::rooms1, "", false},
        {"Rooms3 with a full stop", &InputTexts::rooms3, "1.5", false},
        {"room count beyond 32 bits", &InputTexts::rooms2, "2147483648", false},
        {"grouped ContractedNights", &InputTexts::contractedNights, "1 500", false},
        {"single too large", &InputTexts::occupiedDays3, "1e39", false},
        {"lone sign in IndividualRevenue", &InputTexts::individualRevenue, "-", false},
        {"double too large", &InputTexts::contractRevenue, "1e309", false},
        {"empty AvgPricePerPlace", &InputTexts::avgPricePerPlace, "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InputTexts in = workedExample();
        in.*c.field = c.text;
        const EngineResult result = computeIndicators(in, "31", kBlank);
        EXPECT_TRUE(result.failed);
        EXPECT_TRUE(result.outputs.empty());
        // The period rule writes the store even when a later field fails.
        EXPECT_EQ(result.periodStore, c.ruleRan ? "30" : "31");
    }
}

TEST(IndicatorEngine, PeriodStoreCarriesTheLastRecognisedMonth) {
    InputTexts in = workedExample();
    in.monthName = "Wybierz miesi\xC4\x85" "c";
    // First run after start-up: the store is not a number.
    EngineResult result = computeIndicators(in, std::string(kInitialPeriodStore), kBlank);
    EXPECT_TRUE(result.failed);
    EXPECT_TRUE(result.outputs.empty());
    EXPECT_EQ(result.periodStore, "Edit1");

    in.monthName = "Marzec";
    result = computeIndicators(in, result.periodStore, kBlank);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.periodStore, "31");

    in.monthName = "marzec";  // not recognised: the 31 days stay
    result = computeIndicators(in, result.periodStore, kBlank);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.periodStore, "31");
    EXPECT_EQ(result.outputs[5].text, "4 030");  // 130 places x 31 days
}

TEST(IndicatorEngine, CapacityExamples) {
    InputTexts in = workedExample();
    in.rooms1 = "10";
    in.rooms2 = "20";
    in.rooms3 = "5";
    in.monthName = "Marzec";
    const EngineResult result = computeIndicators(in, "Edit1", kBlank);
    ASSERT_GE(result.outputs.size(), 7u);
    EXPECT_EQ(result.outputs[0].text, "65");
    EXPECT_EQ(result.outputs[1].text, "35");
    EXPECT_EQ(result.outputs[5].text, "2 015");
    EXPECT_EQ(result.outputs[6].text, "1 085");

    in.rooms1 = "10,9";
    in.rooms2 = "-3,7";
    const EngineResult truncated = computeIndicators(in, "Edit1", kBlank);
    ASSERT_GE(truncated.outputs.size(), 4u);
    EXPECT_EQ(truncated.outputs[2].text, "10");
    EXPECT_EQ(truncated.outputs[3].text, "-3");
    EXPECT_EQ(truncated.outputs[0].text, "19");  // 10 - 6 + 15
}

TEST(IndicatorEngine, LargeAndNegativeValuesAreShownAsTheyCome) {
    InputTexts in = workedExample();
    in.rooms3 = "411500";  // P = 1 234 600, P x D = 37 038 000
    in.contractedNights = "40000000";
    const EngineResult result = computeIndicators(in, "Edit1", kBlank);
    ASSERT_GE(result.outputs.size(), 15u);
    EXPECT_EQ(result.outputs[0].text, "1 234 600");
    EXPECT_EQ(result.outputs[5].text, "3,7038E7");
    EXPECT_EQ(result.outputs[11].text, "-2 962 000");  // commercial capacity below zero
    EXPECT_EQ(result.outputs[14].text, "-0,06%");
}

TEST(IndicatorEngine, SingleInputsKeepTheirWidth) {
    InputTexts in = workedExample();
    in.contractNightsGranted = "16777217";
    in.contractGuests = "1";
    EngineResult result = computeIndicators(in, "Edit1", kBlank);
    ASSERT_EQ(result.outputs.size(), 65u);
    EXPECT_EQ(result.outputs[33].text, "1,677722E7 dni(a)");  // 16777216 / 1
    EXPECT_EQ(result.outputs[36].text, "16777220");  // whole number at seven digits

    // 16777217 is held as 16777216, so the granted nights add up to zero and
    // the revenue per occupied place has no divisor.
    in.individualNightsGranted = "-16777216";
    result = computeIndicators(in, "Edit1", kBlank);
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(result.outputs.size(), 37u);
}

TEST(IndicatorEngine, RoomSumsBeyond32BitsStopAtTheFirstRow) {
    InputTexts in = workedExample();
    in.rooms3 = "800000000";  // 3 x Rooms3 overflows; R does not
    EngineResult result = computeIndicators(in, "Edit1", kBlank);
    EXPECT_TRUE(result.failed);
    EXPECT_TRUE(result.outputs.empty());

    in.rooms1 = "2147483647";
    in.rooms2 = "1";
    in.rooms3 = "0";
    result = computeIndicators(in, "Edit1", kBlank);
    EXPECT_TRUE(result.failed);
    EXPECT_TRUE(result.outputs.empty());

    // Close to the limit but inside it: computed and shown in scientific form.
    in.rooms1 = "0";
    in.rooms2 = "0";
    in.rooms3 = "700000000";
    result = computeIndicators(in, "Edit1", kBlank);
    ASSERT_GE(result.outputs.size(), 6u);
    EXPECT_EQ(result.outputs[0].text, "2,1E9");
    EXPECT_EQ(result.outputs[5].text, "6,3E10");
}

TEST(IndicatorEngine, ChartValueBeyond64BitsStopsItsRow) {
    InputTexts in = workedExample();
    // Tiny occupied nights: the revenue per place is huge but still finite.
    in.contractNightsGranted = "1e-30";
    const EngineResult result = computeIndicators(in, "Edit1", kBlank);
    EXPECT_TRUE(result.failed);
    // Row 39 (screen) shows the value; row 42 (its chart value) cannot be held.
    ASSERT_EQ(result.outputs.size(), 41u);
    EXPECT_EQ(result.outputs[38].text, "2,1E35 z\xC5\x82");
}

}  // namespace
