// File names as the user's system keeps them: on Windows they pass through
// UTF-16, on Linux through UTF-8 bytes. A chart saved into a folder and under a
// name with Polish letters is found there under exactly that name, and the next
// save starts in that folder.
#include "chart/chart_widget.h"
#include "tests/support/ui_test.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace termalo::testing {
namespace {

class DesktopFilesTest : public UiTest {
protected:
    QAction* saveAction(chart::ChartWidget* chart)
    {
        for (QAction* action : chart->actions()) {
            if (action->text() == QStringLiteral("&Zapisz wykres…"))
                return action;
        }
        return nullptr;
    }
};

TEST_F(DesktopFilesTest, AChartSavedUnderPolishLettersKeepsItsNameAndFolder)
{
    QWidget* main = form(QStringLiteral("Form1"));
    ASSERT_NE(main, nullptr);
    showForm(main);
    settle();
    auto* chart = main->findChild<chart::ChartWidget*>(QStringLiteral("Chart1"));
    ASSERT_NE(chart, nullptr);
    QAction* save = saveAction(chart);
    ASSERT_NE(save, nullptr);

    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString folderName = QStringLiteral("Sprawozdania – Łódź, październik");
    ASSERT_TRUE(QDir(root.path()).mkdir(folderName));
    const QDir folder(root.filePath(folderName));

    const QString names[] = {QStringLiteral("Zażółć gęślą jaźń.png"), QStringLiteral("ŻÓŁTE ŹRÓDŁA ĘĄŚĆŃ.pdf")};
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        dialogs.fake.calls.clear();
        dialogs.fake.saveFile = folder.filePath(name);
        dialogs.fake.saveFilter = 0;
        save->trigger();
        EXPECT_EQ(dialogs.fake.count(QStringLiteral("message")), 0);
        EXPECT_TRUE(folder.entryList(QDir::Files).contains(name)) << folder.entryList(QDir::Files).join(u' ').toStdString();
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_GT(file.size(), 100);
    }

    // The next save offers the folder of the last one.
    dialogs.fake.calls.clear();
    dialogs.fake.saveFile.clear();
    save->trigger();
    ASSERT_EQ(dialogs.fake.count(QStringLiteral("save")), 1);
    EXPECT_EQ(QFileInfo(dialogs.fake.calls[0].text).absoluteDir(), folder);
}

}  // namespace
}  // namespace termalo::testing
