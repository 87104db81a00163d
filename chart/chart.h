#pragma once

// A chart as a value: how it looks and what it shows. One routine lays it out
// and draws it (chart/scene.h), on a widget (chart/chart_widget.h) or a printer
// alike; the windows only fill these settings in.

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace termalo::chart {

// The colours of a series that colours each point: point i takes colour i % 16.
// Red, green, yellow and blue come first.
const std::array<QColor, 16>& defaultPalette();

// A font given by its height in pixels, as the layouts of the windows are.
QFont pixelFont(const QString& family, int pixels, bool bold = false);

enum class Bevel { None, Lowered, Raised };

struct Gradient {
    enum class Direction {
        TopToBottom,
        FromTopLeft,     // diagonal, the start colour in the top-left corner
        FromBottomLeft,  // diagonal, the start colour in the bottom-left corner
    };
    bool visible = false;
    Direction direction = Direction::TopToBottom;
    QColor start = Qt::white;
    QColor end = Qt::white;
};

struct Panel {
    Bevel bevel = Bevel::Lowered;
    QColor colour = QColor(192, 192, 192);  // under the gradient, or alone
    Gradient background;
    // The room in pixels between the panel's edge and what it holds.
    int marginLeft = 4;
    int marginTop = 4;
    int marginRight = 4;
    int marginBottom = 4;
};

struct Wall {
    bool visible = true;
    QColor colour = Qt::white;
    bool transparent = false;  // a clear brush: only the outline is drawn
    bool outline = true;
    QColor outlineColour = Qt::black;
};

struct Walls {
    Wall back;
    Wall left;
    Wall bottom;
    // The colour behind the back wall's plane when that wall is transparent
    // (invalid: the panel shows through).
    QColor backColour;
};

// The 3D view. Orthogonal: the depth runs up and to the right at 45 degrees,
// seen straight from the front. Otherwise the box is turned by `rotation` about
// its vertical axis and tilted by `elevation` (360 is straight on; 325 turns the
// right-hand sides and 348 the tops towards the viewer) and drawn with
// `perspective` percent of foreshortening, then moved `horizontalOffset` pixels.
struct View3D {
    bool enabled = false;
    int depthPercent = 15;
    int elevation = 345;
    int rotation = 345;
    int perspective = 15;
    int horizontalOffset = 0;
    bool orthogonal = true;
};

struct Title {
    QStringList lines;
    QFont font = pixelFont(QStringLiteral("Arial"), 11);
    QColor colour = Qt::blue;
    QColor band = QColor(192, 192, 192);
    bool clear = false;         // no band behind the text
    bool frameVisible = true;
    bool fitToText = false;     // the frame spans the chart's width otherwise
};

struct Axis {
    bool visible = true;
    bool automaticMinimum = true;
    bool automaticMaximum = true;
    double minimum = 0.0;
    double maximum = 100.0;
    QFont labelFont = pixelFont(QStringLiteral("Arial"), 9);
    QColor labelColour = Qt::black;
    bool labelsVisible = true;
    QString valueFormat = QStringLiteral("#,##0.###");
    int labelSize = 0;  // room kept for the labels in pixels (0: as wide as they are)
    QString title;
    QFont titleFont = pixelFont(QStringLiteral("Arial"), 11);
    int tickLength = 4;
    int minorTickLength = 2;
    int minorTickCount = 3;
    bool grid = true;
    bool gridCentred = false;  // grid lines between the labels instead of at them
};

struct Legend {
    enum class Position { Bottom, Right };
    bool visible = true;
    Position position = Position::Bottom;
    QColor colour = Qt::white;
    QColor frameColour = Qt::black;
    QFont font = pixelFont(QStringLiteral("Arial"), 8);
    QColor textColour = Qt::black;
    int colourWidthPercent = 12;  // of the widest text
    int shadowSize = 3;
    QColor shadowColour = Qt::black;
    int verticalMargin = 0;
};

struct Marks {
    enum class Style { Value, Percent, LabelAndValue };
    bool visible = false;
    Style style = Style::Value;
    QFont font = pixelFont(QStringLiteral("Arial"), 10);
    QColor textColour = Qt::black;
    QColor background = QColor(255, 255, 225);
    QColor frameColour = Qt::black;
    int arrowLength = 8;
    QColor arrowColour = Qt::white;
    QString percentFormat = QStringLiteral("##0%");
};

struct Point {
    double x = 0.0;
    double y = 0.0;
    QString label;
    QColor colour;  // invalid: the series' colour, or its palette colour
};

struct Series {
    enum class Kind { Bar, Line, Pie };
    enum class VerticalAxis { Left, Right, Both };
    enum class HorizontalAxis { Bottom, Top };

    QString name;  // "Series1", "Series2"
    Kind kind = Kind::Bar;
    bool active = true;
    QColor colour = Qt::red;
    bool colourEachPoint = false;
    QString valueFormat = QStringLiteral("#,##0.###");
    Marks marks;
    VerticalAxis verticalAxis = VerticalAxis::Left;
    HorizontalAxis horizontalAxis = HorizontalAxis::Bottom;
    // Bars
    bool barGradient = false;
    int barWidthPercent = 70;
    int offsetPercent = 0;        // of a bar's width, to the right
    bool barsFromAxisMinimum = true;
    // Lines
    int lineWidth = 1;  // point markers are never drawn
    // Pies
    int pieRadius = 0;            // horizontal radius in pixels; 0 fits the room
    int pieRotation = 0;          // degrees anticlockwise from three o'clock where the first slice starts

    QList<Point> points;

    // The colour point `i` is drawn in.
    QColor pointColour(int i) const;
};

struct Chart {
    Panel panel;
    Walls walls;
    View3D view;
    Title title;
    Axis leftAxis;
    Axis rightAxis = [] { Axis a; a.visible = false; return a; }();
    Axis bottomAxis;
    Axis topAxis = [] { Axis a; a.visible = false; return a; }();
    Legend legend;
    QList<Series> series;
    bool clipPoints = true;     // nothing is drawn beyond the axes' ranges
    bool frameVisible = true;   // the outline of the walls
    bool zoomEnabled = true;
    bool panEnabled = true;
    int pointsPerPage = 0;      // 0: the horizontal axis spans every point
};

}  // namespace termalo::chart
