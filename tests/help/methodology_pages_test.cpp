// What the methodology pages show: their lines, equation numbers, pictures and
// buttons, measured on the pages as they are first shown.
#include "help/formula_pictures.h"
#include "help/methodology_page.h"
#include "help/methodology_pages.h"
#include "help/methodology_windows.h"
#include "help/page_text.h"
#include "shell/registry.h"
#include "tests/support/ui_test.h"

#include <QAbstractButton>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QRegularExpression>

#include <map>
#include <set>

namespace termalo::testing {
namespace {

using help::PageText;

class MethodologyPages : public UiTest {
protected:
    // The page shown, with its group box.
    QGroupBox* open(const QString& page)
    {
        showForm(page);
        settle();
        auto* box = control<QGroupBox>(page, QStringLiteral("GroupBox1"));
        return box;
    }

    static std::vector<PageText*> labels(QGroupBox* box)
    {
        std::vector<PageText*> all;
        for (auto* label : box->findChildren<PageText*>())
            all.push_back(label);
        return all;
    }

    static std::vector<QLabel*> pictures(QGroupBox* box)
    {
        std::vector<QLabel*> all;
        for (auto* label : box->findChildren<QLabel*>()) {
            if (label->objectName().startsWith(QLatin1String("Image")))
                all.push_back(label);
        }
        return all;
    }

    // Ink of every line of every label of `box`, in the group box's coordinates.
    static std::vector<std::pair<QString, QRect>> ink(QGroupBox* box)
    {
        std::vector<std::pair<QString, QRect>> runs;
        for (PageText* label : labels(box)) {
            for (int line = 0; line < label->lineCount(); ++line) {
                for (const QRect& run : label->inkRuns(line))
                    runs.emplace_back(label->objectName() + QStringLiteral(" line %1").arg(line + 1),
                                      run.translated(label->pos()));
            }
        }
        return runs;
    }

    static QStringList pageNames()
    {
        QStringList names;
        for (const auto& page : help::pageLayouts())
            names.append(page.name);
        return names;
    }
};

// Lines per label, page by page (Label1, Label2, ...).
const std::map<QString, std::vector<int>> kLineCounts = {
    {"Form16", {6, 11}},    {"Form17", {7, 5, 5, 3}}, {"Form18", {5, 4, 10}}, {"Form19", {4, 8, 8}},
    {"Form20", {4, 6, 4}},  {"Form21", {9, 9, 2}},    {"Form23", {11, 5, 5}}, {"Form24", {8, 6, 7}},
    {"Form25", {6, 10}},    {"Form26", {6, 10}},      {"Form27", {12, 4}},    {"Form28", {11, 5}},
    {"Form29", {9, 4}},     {"Form30", {11, 5}},      {"Form31", {11, 8}},    {"Form32", {12, 6}},
    {"Form33", {15}},
};

TEST_F(MethodologyPages, EveryLabelHasItsLinesAndIsAPlainOpaqueLabelSizedToThem)
{
    for (const QString& page : pageNames()) {
        SCOPED_TRACE(page.toStdString());
        QGroupBox* box = open(page);
        ASSERT_NE(box, nullptr);
        const std::vector<int>& counts = kLineCounts.at(page);
        ASSERT_EQ(labels(box).size(), counts.size());
        for (std::size_t i = 0; i < counts.size(); ++i) {
            auto* label = control<PageText>(page, QStringLiteral("Label%1").arg(i + 1));
            ASSERT_NE(label, nullptr);
            const QString text = label->text();
            EXPECT_EQ(text.count(QLatin1Char('\n')) + 1, counts[i]) << "Label" << i + 1;
            EXPECT_FALSE(text.endsWith(QLatin1Char('\n')));
            EXPECT_FALSE(text.contains(QLatin1Char('\r')));
            EXPECT_EQ(label->height(), counts[i] * PageText::kLineHeight);
            EXPECT_EQ(label->textFormat(), Qt::PlainText);
            EXPECT_FALSE(label->wordWrap());
            EXPECT_TRUE(label->autoFillBackground());
            EXPECT_TRUE(label->isVisible());
        }
    }
}

TEST_F(MethodologyPages, TextStaysInsideTheGroupBoxAndClearOfButtonsAndPictures)
{
    for (const QString& page : pageNames()) {
        SCOPED_TRACE(page.toStdString());
        QGroupBox* box = open(page);
        ASSERT_NE(box, nullptr);
        for (const auto& [where, run] : ink(box)) {
            EXPECT_LE(run.right(), box->width() - 3) << where.toStdString();
            for (auto* button : box->findChildren<QAbstractButton*>())
                EXPECT_FALSE(run.intersects(button->geometry())) << where.toStdString() << " under "
                                                                  << button->objectName().toStdString();
            for (QLabel* picture : pictures(box)) {
                if (!picture->pixmap().isNull()) {
                    EXPECT_FALSE(run.intersects(picture->geometry()))
                        << where.toStdString() << " under " << picture->objectName().toStdString();
                }
            }
        }
    }
}

TEST_F(MethodologyPages, EachPictureStandsLeftOfItsEquationNumberOnTheRightOfTheLine)
{
    int numbersSeen = 0;
    for (const QString& page : pageNames()) {
        QGroupBox* box = open(page);
        ASSERT_NE(box, nullptr);
        for (QLabel* picture : pictures(box)) {
            const int formula = picture->property("formula").toInt();
            if (formula == 0)
                continue;
            SCOPED_TRACE(QStringLiteral("%1 (%2)").arg(page).arg(formula).toStdString());
            // The number stands alone at the end of a run of blanks.
            const QRegularExpression numbered(QStringLiteral("^( {47,}|.* {50})\\(%1\\) ?( {50}.*)?$").arg(formula));
            bool found = false;
            for (PageText* label : labels(box)) {
                const QStringList lines = label->text().split(QLatin1Char('\n'));
                for (int line = 0; line < lines.size(); ++line) {
                    if (!numbered.match(lines[line]).hasMatch())
                        continue;
                    found = true;
                    ++numbersSeen;
                    const int x = label->x() + label->xOf(line, QStringLiteral("(%1)").arg(formula));
                    const int top = label->y() + line * PageText::kLineHeight;
                    EXPECT_GT(x, picture->geometry().right() + 2);
                    // Level with the picture.
                    EXPECT_LT(top, picture->geometry().bottom());
                    EXPECT_GT(top + PageText::kLineHeight, picture->y());
                }
            }
            EXPECT_TRUE(found);
        }
    }
    EXPECT_EQ(numbersSeen, help::kFormulaCount);
}

TEST_F(MethodologyPages, PicturesShowInFullAboveTheLabelsAroundThem)
{
    int shown = 0;
    for (const QString& page : pageNames()) {
        QGroupBox* box = open(page);
        ASSERT_NE(box, nullptr);
        const QImage window = form(page)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (QLabel* picture : pictures(box)) {
            const int formula = picture->property("formula").toInt();
            if (formula == 0) {
                EXPECT_TRUE(picture->pixmap().isNull());
                continue;
            }
            ++shown;
            const QImage expected = help::formulaPicture(formula).convertToFormat(QImage::Format_RGB32);
            EXPECT_EQ(picture->size(), expected.size());
            const QRect onWindow(picture->mapTo(form(page), QPoint(0, 0)), picture->size());
            EXPECT_EQ(window.copy(onWindow), expected) << page.toStdString() << " (" << formula << ")";
        }
    }
    EXPECT_EQ(shown, help::kFormulaCount);
}

TEST_F(MethodologyPages, CharactersThatAreEasyToLose)
{
    open(QStringLiteral("Form26"));
    auto* stay = control<PageText>(QStringLiteral("Form26"), QStringLiteral("Label1"));
    ASSERT_NE(stay, nullptr);
    EXPECT_TRUE(stay->text().startsWith(QStringLiteral("\tWskaźnik   przeciętnej")));
    // The tab advances the first word to a tab stop.
    EXPECT_GE(stay->inkRuns(0).front().left(), 20);

    open(QStringLiteral("Form33"));
    auto* potential = control<PageText>(QStringLiteral("Form33"), QStringLiteral("Label1"));
    ASSERT_NE(potential, nullptr);
    EXPECT_TRUE(potential->text().startsWith(QStringLiteral("\n\n\n ")));
    EXPECT_TRUE(potential->inkRuns(2).isEmpty());
    EXPECT_EQ(potential->inkRuns(3).front().top(), 39);

    // Trailing blanks and the long runs before the numbers.
    open(QStringLiteral("Form18"));
    auto* second = control<PageText>(QStringLiteral("Form18"), QStringLiteral("Label1"));
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->text().startsWith(QString(107, QLatin1Char(' ')) + QStringLiteral("(2) \n \ngdzie: \n")));
    open(QStringLiteral("Form32"));
    auto* fourth = control<PageText>(QStringLiteral("Form32"), QStringLiteral("Label2"));
    ASSERT_NE(fourth, nullptr);
    EXPECT_TRUE(fourth->text().startsWith(QString(47, QLatin1Char(' ')) + QStringLiteral("(26)")
                                          + QString(50, QLatin1Char(' ')) + QStringLiteral("(27)\n")));
}

TEST_F(MethodologyPages, DerivedPagesTakeOverTheirBaseAndShowOnlyTheirOwnTexts)
{
    EXPECT_NE(qobject_cast<TForm16*>(form(QStringLiteral("Form17"))), nullptr);
    EXPECT_NE(qobject_cast<TForm18*>(form(QStringLiteral("Form19"))), nullptr);
    EXPECT_NE(qobject_cast<TForm19*>(form(QStringLiteral("Form20"))), nullptr);
    const std::pair<const char*, const char*> derived[] = {
        {"Form16", "Form17"}, {"Form18", "Form19"}, {"Form19", "Form20"}};
    for (const auto& [base, page] : derived) {
        SCOPED_TRACE(page);
        QStringList baseTexts;
        for (PageText* label : labels(open(QString::fromLatin1(base))))
            baseTexts.append(label->text());
        for (PageText* label : labels(open(QString::fromLatin1(page))))
            EXPECT_FALSE(baseTexts.contains(label->text())) << label->objectName().toStdString();
    }
    // Form16 shows no picture, Form20 one (the second, taken over, stays empty).
    EXPECT_TRUE(pictures(open(QStringLiteral("Form16"))).empty());
    int drawn = 0;
    for (QLabel* picture : pictures(open(QStringLiteral("Form20"))))
        drawn += picture->pixmap().isNull() ? 0 : 1;
    EXPECT_EQ(drawn, 1);
}

// The labels' texts live in files of their own: each label of the page table
// has one, each file belongs to a label, and each reads as its lines.
TEST(MethodologyTexts, EveryLabelOfTheTableHasItsTextFileAndNoFileIsLeftOver)
{
    std::set<QString> named;
    for (const auto& page : help::pageLayouts()) {
        for (const auto& label : page.labels)
            named.insert(help::labelTextPath(page.name, label.name));
    }
    std::set<QString> kept;
    for (QDirIterator it(QStringLiteral(":/help"), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        kept.insert(it.next());
    for (const QString& path : named)
        EXPECT_TRUE(kept.count(path)) << "no text file " << path.toStdString();
    for (const QString& path : kept)
        EXPECT_TRUE(named.count(path)) << "a text file no label shows: " << path.toStdString();

    for (const QString& path : kept) {
        SCOPED_TRACE(path.toStdString());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        // Line feeds alone, the last line ended by one: a file saved with
        // carriage returns or without its last line feed would change the page.
        EXPECT_TRUE(bytes.endsWith('\n'));
        EXPECT_FALSE(bytes.contains('\r'));
    }
    // Each reads as UTF-8.
    for (const auto& page : help::pageLayouts()) {
        for (const auto& label : page.labels) {
            if (kept.count(help::labelTextPath(page.name, label.name))) {
                EXPECT_NO_THROW(help::labelText(page.name, label.name)) << page.name.toStdString();
            }
        }
    }
    EXPECT_THROW(help::labelText(QStringLiteral("Form16"), QStringLiteral("Label3")), std::runtime_error);
}

TEST_F(MethodologyPages, FormulaPicturesArePalettisedBlackOnGreyWithInkClearOfTheEdges)
{
    // At one and at two device pixels per pixel: the same place in the layout,
    // every device pixel drawn, and at two the formula typeset anew in the
    // finer pixels, not enlarged.
    for (const qreal ratio : {1.0, 2.0}) {
        for (int number = 1; number <= help::kFormulaCount; ++number) {
            SCOPED_TRACE(QStringLiteral("(%1) at %2").arg(number).arg(ratio).toStdString());
            const QImage& picture = help::formulaPicture(number, ratio);
            ASSERT_FALSE(picture.isNull());
            EXPECT_EQ(picture.format(), QImage::Format_Indexed8);
            EXPECT_EQ(picture.size(), help::formulaPictureSize(number) * ratio);
            EXPECT_EQ(picture.devicePixelRatio(), ratio);
            EXPECT_EQ(&picture, &help::formulaPicture(number, ratio));  // drawn once
            int black = 0;
            for (int y = 0; y < picture.height(); ++y) {
                for (int x = 0; x < picture.width(); ++x) {
                    const QRgb pixel = picture.pixel(x, y);
                    const bool edge = x < ratio || y < ratio || x >= picture.width() - ratio || y >= picture.height() - ratio;
                    if (edge) {
                        EXPECT_EQ(pixel, help::kFormulaBackground.rgb()) << x << "," << y;
                    }
                    black += qGray(pixel) < 40 ? 1 : 0;
                }
            }
            EXPECT_GT(black, 40 * ratio * ratio);  // something is written
            if (ratio == 1.0)
                continue;
            // Sharp: many 2 x 2 blocks hold more than one grey, as no
            // enlarged picture does.
            int detailed = 0;
            for (int y = 0; y + 1 < picture.height(); y += 2) {
                for (int x = 0; x + 1 < picture.width(); x += 2) {
                    const QRgb p = picture.pixel(x, y);
                    detailed += p != picture.pixel(x + 1, y) || p != picture.pixel(x, y + 1) || p != picture.pixel(x + 1, y + 1);
                }
            }
            EXPECT_GT(detailed, 60);
        }
    }
    EXPECT_TRUE(help::formulaPicture(0).isNull());
    EXPECT_TRUE(help::formulaPicture(29).isNull());
}

}  // namespace
}  // namespace termalo::testing
