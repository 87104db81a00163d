#pragma once

#include "tests/support/fixed_clock.h"
#include "tests/support/recording_dialogs.h"
#include "shell/registry.h"

#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

namespace termalo::testing {

// A fixture with every window created by startUp(), a recording dialogs fake and a
// fixed clock (7 December 2026, 14:05:09); everything is destroyed afterwards.
class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The registered window `name`; fails the test when absent.
    QWidget* form(const QString& name);
    // The control `control` of window `window`; fails the test when absent.
    template <class T>
    T* control(const QString& window, const QString& controlName)
    {
        QWidget* w = form(window);
        T* c = w ? w->findChild<T*>(controlName) : nullptr;
        EXPECT_NE(c, nullptr) << window.toStdString() << "/" << controlName.toStdString();
        return c;
    }
    // Lets queued events (activation under the headless platform) arrive.
    static void settle();

    ScopedRecordingDialogs dialogs;
    FixedClock fixedClock;

private:
    Clock* previousClock_ = nullptr;
};

}  // namespace termalo::testing
