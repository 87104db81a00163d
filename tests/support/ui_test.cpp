#include "tests/support/ui_test.h"

#include "shell/startup.h"

#include <QApplication>
#include <QTest>

namespace termalo::testing {

void UiTest::SetUp()
{
    fixedClock.time = QDateTime(QDate(2026, 12, 7), QTime(14, 5, 9));
    previousClock_ = setClock(&fixedClock);
    startUp();
    settle();
}

void UiTest::TearDown()
{
    shutDown();
    settle();
    setClock(previousClock_);
}

QWidget* UiTest::form(const QString& name)
{
    QWidget* w = WindowRegistry::find(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}

void UiTest::settle()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QTest::qWait(1);
    }
}

}  // namespace termalo::testing
