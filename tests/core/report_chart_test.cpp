#include "core/chart_series.h"
#include "core/report.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using namespace termalo::core;
using namespace std::string_literals;

namespace {

TEST(Report, FillsEverySlotOnceFromItsSourceUnchanged) {
    std::map<std::string, std::string> texts;
    int lookups = 0;
    auto lookup = [&](const Target& source) {
        ++lookups;
        // A distinct, awkward text per source: blanks, a unit, a placeholder.
        return "  " + source.window + "/" + source.control + " 12,50 z\xC5\x82 ";
    };
    const auto filled = composeReport(lookup);
    ASSERT_EQ(filled.size(), 29u);
    EXPECT_EQ(lookups, 29);
    std::set<std::string> slotNames;
    for (std::size_t i = 0; i < filled.size(); ++i) {
        const ReportSlot& slot = reportSlots()[i];
        EXPECT_EQ(filled[i].first, slot.slot);
        EXPECT_EQ(filled[i].second, lookup(slot.source));
        slotNames.insert(filled[i].first);
    }
    EXPECT_EQ(slotNames.size(), 29u) << "every report label is filled once";
}

TEST(Report, SlotsReadTheIndicatorsTheSentencesTalkAbout) {
    // A few sentences checked end to end: the slot shows the indicator of its sentence.
    std::map<std::string, std::string> form4 = {
        {"Label2", "130"},      {"Label32", "82,05%"}, {"Label36", "75,00%"},
        {"Label34", "93,33%"},  {"Label54", "14,00 dni(a)"}, {"Label56", "12,00 dni(a)"},
        {"Label63", "180,00 z\xC5\x82"}, {"Label61", "150,00 z\xC5\x82"},
    };
    auto lookup = [&](const Target& source) -> std::string {
        if (source == Target{"Form1", "Panel4"}) return "07.12.2026";
        if (source == Target{"Form2", "Edit1"}) return "";
        if (source == Target{"Form2", "ComboBox1"}) return "Wybierz miesi\xC4\x85" "c";
        if (source == Target{"Form2", "ComboBox2"}) return "Wybierz rok";
        if (source.window == "Form4" && form4.count(source.control)) return form4[source.control];
        return "Brak";
    };
    std::map<std::string, std::string> report;
    for (const auto& [slot, text] : composeReport(lookup)) report[slot] = text;
    EXPECT_EQ(report["Label3"], "07.12.2026");
    EXPECT_EQ(report["Label4"], "");
    EXPECT_EQ(report["Label5"], "Wybierz miesi\xC4\x85" "c");
    EXPECT_EQ(report["Label6"], "Wybierz rok");
    EXPECT_EQ(report["Label10"], "130");
    EXPECT_EQ(report["Label25"], "82,05%");
    EXPECT_EQ(report["Label26"], "75,00%");        // commercial places
    EXPECT_EQ(report["Label27"], "93,33%");        // contract places
    EXPECT_EQ(report["Label48"], "14,00 dni(a)");  // contract stay
    EXPECT_EQ(report["Label51"], "12,00 dni(a)");  // commercial stay
    EXPECT_EQ(report["Label65"], "180,00 z\xC5\x82");  // commercial revenue per place
    EXPECT_EQ(report["Label66"], "150,00 z\xC5\x82");  // contract revenue per place
    EXPECT_EQ(report["Label68"], "Brak");

    const auto again = composeReport(lookup);
    EXPECT_EQ(again, composeReport(lookup));
}

TEST(ChartSeries, EveryChartWindowHasItsPoints) {
    ASSERT_EQ(chartSeries().size(), 8u);
    for (const ChartSeriesLayout& series : chartSeries()) {
        SCOPED_TRACE(series.window);
        EXPECT_EQ(chartSeriesFor(series.window), &series);
        ASSERT_FALSE(series.points.empty());
        std::set<std::string> fields;
        for (std::size_t i = 0; i < series.points.size(); ++i) {
            if (i > 0) {
                EXPECT_LT(series.points[i - 1].x, series.points[i].x) << "ascending X";
            }
            fields.insert(series.points[i].field);
        }
        EXPECT_EQ(fields.size(), series.points.size()) << "each field plotted once";
    }
    EXPECT_EQ(chartSeriesFor("Form15"), nullptr);
    EXPECT_EQ(chartSeriesFor("Form8")->points.size(), 4u);
    EXPECT_EQ(chartSeriesFor("Form14")->points.size(), 2u);
    // The total is written first but plotted last.
    EXPECT_STREQ(chartSeriesFor("Form7")->points.back().field, "Label1");
    EXPECT_STREQ(chartSeriesFor("Form11")->points.front().field, "Label3");
}

TEST(ChartSeries, PiesAndTheOverviewBarsColourEachPoint) {
    for (const char* window : {"Form12", "Form13", "Form14"}) {
        EXPECT_TRUE(chartSeriesFor(window)->colourEachPoint) << window;
    }
    for (const char* window : {"Form7", "Form8", "Form9", "Form10", "Form11"}) {
        EXPECT_FALSE(chartSeriesFor(window)->colourEachPoint) << window;
    }
}

TEST(ChartSeries, HandOverFieldParsing) {
    struct Valid {
        std::string text;
        std::int32_t value;
    };
    const Valid valid[] = {
        {"0", 0},          {"86", 86},           {"-13", -13},
        {"+7", 7},         {"00042", 42},        {"2147483647", 2147483647},
        {"-2147483648", -2147483648},
    };
    for (const Valid& v : valid) EXPECT_EQ(parseHandOverField(v.text), v.value) << v.text;

    const std::string invalid[] = {
        "Label1", "", "-", "+", " 5", "5 ", "1 235", "12,5", "2147483648", "-2147483649",
        "99999999999999999999999", "0x10", "5\0"s, "\xFF",
    };
    for (const std::string& text : invalid) {
        try {
            parseHandOverField(text);
            ADD_FAILURE() << "accepted \"" << text << '"';
        } catch (const InvalidIntegerError& e) {
            // what() is a C string: a field with a NUL shows up to it.
            const std::string shown = text.substr(0, text.find('\0'));
            EXPECT_EQ(e.what(), "'" + shown + (shown == text ? "' is not a valid integer value" : ""));
        }
    }
}

}  // namespace
