// Every control that a table of the program names exists, with the right type:
// a misspelt name would otherwise lose a value without a sign. (The chart
// series' hand-over labels are checked with the chart windows.)
#include "core/indicator_engine.h"
#include "core/report.h"
#include "shell/combo_field.h"
#include "shell/controls.h"
#include "shell/text_field.h"
#include "tests/support/ui_test.h"
#include "tests/support/worked_example.h"

#include <QLabel>

namespace termalo::testing {
namespace {

class DocumentedTargets : public UiTest {
protected:
    // Present in the program and of the expected type; strict lookup throws otherwise.
    template <class T>
    void expectResolves(const core::Target& target, const char* table)
    {
        SCOPED_TRACE(std::string(table) + ": " + target.window + "/" + target.control);
        ASSERT_NE(WindowRegistry::find(QString::fromStdString(target.window)), nullptr);
        EXPECT_NO_THROW(EXPECT_NE(findControl<T>(target), nullptr));
    }
};

TEST_F(DocumentedTargets, EveryTableOfTheProgramNamesAControlOfTheRightType)
{
    const core::EngineResult full =
        core::computeIndicators(workedExample(), "", core::NumberFormat{",", " "});
    ASSERT_FALSE(full.failed);
    ASSERT_EQ(full.outputs.size(), 65u);
    for (const core::Output& output : full.outputs)
        expectResolves<QLabel>(output.target, "engine");

    for (const core::ReportSlot& slot : core::reportSlots()) {
        expectResolves<QLabel>(core::Target{"Form5", slot.slot}, "report slot");
        expectResolves<QWidget>(slot.source, "report source");
    }

    for (const core::InputField& field : core::inputFields()) {
        const QWidget* control = findControl<QWidget>(field.source);
        EXPECT_TRUE(qobject_cast<const TextField*>(control) || qobject_cast<const ComboField*>(control))
            << "input " << field.source.window << "/" << field.source.control;
    }
}

}  // namespace
}  // namespace termalo::testing
