// The edit box's line layout: the one mapping between positions in the text
// and places in the laid-out line, with an input method's composition in it.
#include "shell/shown_line.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include <gtest/gtest.h>

namespace termalo {
namespace {

QFont font()
{
    // The face the windows' fonts are substituted by, on every system.
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    return f;
}

Composition composing(const QString& text, int caret)
{
    Composition composition;
    composition.text = text;
    composition.caret = caret;
    return composition;
}

TEST(ShownLineTest, PositionsMapBothWaysAroundAComposition)
{
    // "Krnica" with "y" composed at the cursor, after "Kr".
    const ShownLine line(u"Krnica", 0, font(), 2, composing(QStringLiteral("y"), 1));
    EXPECT_EQ(line.layout().text(), QStringLiteral("Krynica"));
    EXPECT_EQ(line.composedAt(), 2);
    EXPECT_EQ(line.endingAt(2), 2);    // "Kr" ends before the composition
    EXPECT_EQ(line.startingAt(2), 3);  // "n" starts after it
    EXPECT_EQ(line.endingAt(6), 7);
    EXPECT_EQ(line.caret(), 3);  // where the input method put it: after "y"

    const struct {
        int inLayout;
        qsizetype position;
        bool inComposition;
    } places[] = {{0, 0, false}, {1, 1, false}, {2, 2, true}, {3, 2, true}, {4, 3, false}, {7, 6, false}};
    for (const auto& p : places) {
        EXPECT_EQ(line.at(p.inLayout), p.position) << p.inLayout;
        EXPECT_EQ(line.inComposition(p.inLayout), p.inComposition) << p.inLayout;
    }
}

TEST(ShownLineTest, APartOfATextCountsFromItsStartAndHoldsNoCompositionOutsideIt)
{
    const QString text = QStringLiteral("Sanatorium Krynica");
    // Characters 11 to the end laid out; the cursor, with a composition, at 4.
    const ShownLine line(QStringView(text).sliced(11), 11, font(), 4, composing(QStringLiteral("xy"), 2));
    EXPECT_EQ(line.layout().text(), QStringLiteral("Krynica"));
    EXPECT_EQ(line.composedAt(), -1);
    EXPECT_EQ(line.start(), 11);
    EXPECT_EQ(line.end(), text.size());
    EXPECT_TRUE(line.holds(11));
    EXPECT_TRUE(line.holds(text.size()));
    EXPECT_FALSE(line.holds(4));
    EXPECT_EQ(line.at(0), 11);
    EXPECT_EQ(line.endingAt(14), 3);
    EXPECT_FALSE(line.inComposition(0));
}

TEST(ShownLineTest, ControlCharactersAndSeparatorsAreLaidOutAsBlanksInTheirPlaces)
{
    const ShownLine line(u"1\t000\n5\x01,5\u2028", 0, font());
    EXPECT_EQ(line.layout().text(), QStringLiteral("1\t000 5 ,5 "));
    EXPECT_EQ(line.endingAt(11), 11);
}

TEST(ShownLineTest, PlacesFollowTheWidthsOfTheCharactersAndOfTheComposition)
{
    const QFontMetricsF metrics(font());
    const ShownLine line(u"Zdrój Krynica", 0, font(), 6, composing(QStringLiteral("Górny "), 6));
    EXPECT_NEAR(line.x(line.endingAt(6)), metrics.horizontalAdvance(QStringLiteral("Zdrój ")), 1);
    EXPECT_NEAR(line.x(line.startingAt(6)), metrics.horizontalAdvance(QStringLiteral("Zdrój Górny ")), 1);
    EXPECT_NEAR(line.width(), metrics.horizontalAdvance(QStringLiteral("Zdrój Górny Krynica")), 1);
    EXPECT_EQ(line.at(line.inLayoutAt(line.x(line.startingAt(9)))), 9);  // "n" of "Krynica"
}

TEST(ShownLineTest, TheSelectionIsHighlightedWhereItsCharactersAreDrawn)
{
    // Characters 100 to 113 of a text, "Krynica Zdrój", with "Zdrój" selected.
    const ShownLine line(u"Krynica Zdrój", 100, font());
    QPalette palette;
    palette.setColor(QPalette::Highlight, Qt::red);
    QImage image(200, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    line.draw(&painter, {0, 0}, 108, 113, palette, QRectF(image.rect()));
    painter.end();
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        // The top row: above every glyph, which would cover the highlight.
        if (image.pixel(x, 0) == QColor(Qt::red).rgb()) {
            first = first < 0 ? x : first;
            last = x;
        }
    }
    EXPECT_NEAR(first, line.x(line.startingAt(108)), 1);
    EXPECT_NEAR(last + 1, line.x(line.endingAt(113)), 1);
}

}  // namespace
}  // namespace termalo
