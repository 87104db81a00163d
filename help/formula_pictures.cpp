#include "help/formula_pictures.h"

#include "chart/device_picture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <vector>

namespace termalo::help {

using namespace Qt::StringLiterals;

namespace {

// A formula as a small tree: symbols (an italic capital with an optional index
// set smaller and lower), upright operators, fractions and rows.
struct Node {
    enum class Kind { Symbol, Operator, Fraction, Row };
    Kind kind;
    QString base;
    QString index;
    std::vector<Node> children;  // Fraction: numerator, denominator; Row: items
};

Node sym(const QString& base, const QString& index = {})
{
    return {Node::Kind::Symbol, base, index, {}};
}

Node op(const QString& text)
{
    return {Node::Kind::Operator, text, {}, {}};
}

Node over(Node numerator, Node denominator)
{
    return {Node::Kind::Fraction, {}, {}, {std::move(numerator), std::move(denominator)}};
}

Node row(std::vector<Node> items)
{
    return {Node::Kind::Row, {}, {}, std::move(items)};
}

// symbol = product of two factors
Node product(Node symbol, Node a, Node b)
{
    return row({std::move(symbol), op(u"="_s), std::move(a), op(u"·"_s), std::move(b)});
}

// symbol = numerator over denominator
Node quotient(Node symbol, Node numerator, Node denominator)
{
    return row({std::move(symbol), op(u"="_s), over(std::move(numerator), std::move(denominator))});
}

// symbol = numerator over denominator · 100%
Node percentage(Node symbol, Node numerator, Node denominator)
{
    return row({std::move(symbol), op(u"="_s), over(std::move(numerator), std::move(denominator)),
                op(u"·"_s), op(u"100%"_s)});
}

struct Formula {
    QSize size;
    Node node;
};

std::vector<Formula> buildFormulas()
{
    const Node Te = sym(u"Te"_s);
    return {
        {{83, 25}, product(sym(u"S"_s, u"Zp"_s), sym(u"Lp"_s), Te)},                           // (1)
        {{87, 23}, product(sym(u"S"_s, u"Zm"_s), sym(u"Lm"_s), Te)},                           // (2)
        {{89, 24}, product(sym(u"S"_s, u"Zpn"_s), sym(u"L"_s, u"pn"_s), Te)},                  // (3)
        {{88, 23}, product(sym(u"S"_s, u"Zmi"_s), sym(u"L"_s, u"mi"_s), Te)},                  // (4)
        {{91, 23}, product(sym(u"S"_s, u"Zmk"_s), sym(u"L"_s, u"mk"_s), Te)},                  // (5)
        {{88, 23}, product(sym(u"S"_s, u"Zmt"_s), sym(u"L"_s, u"mt"_s), Te)},                  // (6)
        {{117, 44}, percentage(sym(u"S"_s, u"Wzm"_s), sym(u"O"_s, u"wm"_s), sym(u"S"_s, u"Zm"_s))},     // (7)
        {{114, 48}, percentage(sym(u"S"_s, u"Wzp"_s), sym(u"O"_s, u"wp"_s), sym(u"S"_s, u"Zp"_s))},     // (8)
        {{120, 49}, percentage(sym(u"S"_s, u"Wpn"_s), sym(u"O"_s, u"wpn"_s), sym(u"S"_s, u"Zpn"_s))},   // (9)
        {{116, 43}, percentage(sym(u"S"_s, u"Wzi"_s), sym(u"O"_s, u"wmi"_s), sym(u"S"_s, u"Zmi"_s))},   // (10)
        {{120, 44}, percentage(sym(u"S"_s, u"Wzk"_s), sym(u"O"_s, u"wmk"_s), sym(u"S"_s, u"Zmk"_s))},   // (11)
        {{123, 43}, percentage(sym(u"S"_s, u"Wz-i"_s), sym(u"O"_s, u"wmi"_s), sym(u"S"_s, u"Zm"_s))},   // (12)
        {{128, 43}, percentage(sym(u"S"_s, u"Wz-k"_s), sym(u"O"_s, u"wmk"_s), sym(u"S"_s, u"Zm"_s))},   // (13)
        {{119, 44}, percentage(sym(u"S"_s, u"Wzt"_s), sym(u"O"_s, u"wmk"_s), sym(u"S"_s, u"Zmt"_s))},   // (14)
        {{66, 43}, quotient(sym(u"S"_s, u"D"_s), sym(u"O"_s, u"wm"_s), sym(u"L"_s, u"k"_s))},           // (15)
        {{74, 45}, quotient(sym(u"S"_s, u"Di"_s), sym(u"O"_s, u"wmi"_s), sym(u"L"_s, u"ki"_s))},        // (16)
        {{77, 45}, quotient(sym(u"S"_s, u"Dk"_s), sym(u"O"_s, u"wmk"_s), sym(u"L"_s, u"kk"_s))},        // (17)
        {{69, 44}, quotient(sym(u"S"_s, u"M"_s), sym(u"O"_s, u"wm"_s), sym(u"S"_s, u"Zm"_s))},          // (18)
        {{65, 47}, quotient(sym(u"S"_s, u"H"_s), sym(u"O"_s, u"wp"_s), sym(u"S"_s, u"Zp"_s))},          // (19)
        {{71, 44}, quotient(sym(u"S"_s, u"Pm"_s), sym(u"P"_s, u"m"_s), sym(u"O"_s, u"wm"_s))},          // (20)
        {{75, 43}, quotient(sym(u"S"_s, u"Pmi"_s), sym(u"P"_s, u"mi"_s), sym(u"O"_s, u"wmi"_s))},       // (21)
        {{79, 43}, quotient(sym(u"S"_s, u"Pmk"_s), sym(u"P"_s, u"mk"_s), sym(u"O"_s, u"wmk"_s))},       // (22)
        {{80, 43}, quotient(sym(u"S"_s, u"Pm-d"_s), sym(u"P"_s, u"m"_s), sym(u"S"_s, u"Zm"_s))},        // (23)
        {{85, 43}, quotient(sym(u"S"_s, u"Pmi-d"_s), sym(u"P"_s, u"mi"_s), sym(u"S"_s, u"Zmi"_s))},     // (24)
        {{89, 44}, quotient(sym(u"S"_s, u"Pmk-d"_s), sym(u"P"_s, u"mk"_s), sym(u"S"_s, u"Zmk"_s))},     // (25)
        {{105, 43}, percentage(sym(u"S"_s, u"Ui"_s), sym(u"P"_s, u"mi"_s), sym(u"P"_s, u"c"_s))},       // (26)
        {{108, 43}, percentage(sym(u"S"_s, u"Uk"_s), sym(u"P"_s, u"mk"_s), sym(u"P"_s, u"c"_s))},       // (27)
        {{109, 39}, percentage(sym(u"S"_s, u"PP"_s), sym(u"P"_s, u"c"_s), sym(u"PP"_s))},               // (28)
    };
}

const std::vector<Formula>& formulas()
{
    static const std::vector<Formula> all = buildFormulas();
    return all;
}

const Formula* findFormula(int number)
{
    if (number < 1 || number > static_cast<int>(formulas().size()))
        return nullptr;
    return &formulas()[static_cast<std::size_t>(number - 1)];
}

// Extent of a typeset piece around its baseline, in pixels.
struct Extent {
    double width = 0;
    double ascent = 0;
    double descent = 0;
    double height() const { return ascent + descent; }
};

// Lays out and draws formulas at one font size.
class Typesetter {
public:
    explicit Typesetter(double size)
        : size_(size),
          symbolFont_(serif(size, true)),
          indexFont_(serif(size * 0.68, true)),
          uprightFont_(serif(size, false)),
          symbolMetrics_(symbolFont_),
          indexMetrics_(indexFont_),
          uprightMetrics_(uprightFont_)
    {
        // The fraction bar sits on the height of the middle of "=".
        axis_ = -uprightMetrics_.tightBoundingRect(u"="_s).center().y();
    }

    Extent measure(const Node& node) const
    {
        switch (node.kind) {
        case Node::Kind::Symbol: {
            const QRectF base = symbolMetrics_.tightBoundingRect(node.base);
            Extent e{symbolMetrics_.horizontalAdvance(node.base), -base.top(), base.bottom()};
            if (!node.index.isEmpty()) {
                const QRectF index = indexMetrics_.tightBoundingRect(node.index);
                e.width += indexGap() + indexMetrics_.horizontalAdvance(node.index);
                e.ascent = std::max(e.ascent, -index.top() - indexDrop());
                e.descent = std::max(e.descent, index.bottom() + indexDrop());
            }
            // The slant of the last letter leans past its advance.
            return e;
        }
        case Node::Kind::Operator: {
            const QRectF box = uprightMetrics_.tightBoundingRect(node.base);
            return {uprightMetrics_.horizontalAdvance(node.base) + 2 * operatorSpace(node.base), -box.top(),
                    box.bottom()};
        }
        case Node::Kind::Fraction: {
            const Extent num = measure(node.children[0]);
            const Extent den = measure(node.children[1]);
            const double width = std::max(num.width, den.width) + 2 * fractionOverhang();
            return {width, axis_ + barThickness() / 2 + barGap() + num.height(),
                    -axis_ + barThickness() / 2 + barGap() + den.height()};
        }
        case Node::Kind::Row: {
            Extent e;
            for (const Node& item : node.children) {
                const Extent part = measure(item);
                e.width += part.width;
                e.ascent = std::max(e.ascent, part.ascent);
                e.descent = std::max(e.descent, part.descent);
            }
            return e;
        }
        }
        return {};
    }

    // Draws `node` with its left end at x and its baseline at `baseline`.
    void draw(QPainter& painter, const Node& node, double x, double baseline) const
    {
        switch (node.kind) {
        case Node::Kind::Symbol:
            painter.setFont(symbolFont_);
            painter.drawText(QPointF(x, baseline), node.base);
            if (!node.index.isEmpty()) {
                painter.setFont(indexFont_);
                painter.drawText(QPointF(x + symbolMetrics_.horizontalAdvance(node.base) + indexGap(),
                                         baseline + indexDrop()),
                                 node.index);
            }
            return;
        case Node::Kind::Operator:
            painter.setFont(uprightFont_);
            painter.drawText(QPointF(x + operatorSpace(node.base), baseline), node.base);
            return;
        case Node::Kind::Fraction: {
            const Node& numerator = node.children[0];
            const Node& denominator = node.children[1];
            const Extent num = measure(numerator);
            const Extent den = measure(denominator);
            const double width = measure(node).width;
            // Whole pixels keep the bar sharp.
            const int thickness = static_cast<int>(std::lround(barThickness()));
            const int barTop = static_cast<int>(std::lround(baseline - axis_ - thickness / 2.0));
            painter.fillRect(QRectF(std::round(x + fractionOverhang() / 2), barTop,
                                    std::round(width - fractionOverhang()), thickness),
                             Qt::black);
            draw(painter, numerator, x + (width - num.width) / 2, barTop - barGap() - num.descent);
            draw(painter, denominator, x + (width - den.width) / 2,
                 barTop + thickness + barGap() + den.ascent);
            return;
        }
        case Node::Kind::Row:
            for (const Node& item : node.children) {
                draw(painter, item, x, baseline);
                x += measure(item).width;
            }
            return;
        }
    }

private:
    static QFont serif(double pixels, bool italic)
    {
        QFont font(u"Liberation Serif"_s);
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
        font.setItalic(italic);
        font.setStyleStrategy(QFont::PreferAntialias);
        return font;
    }

    double indexDrop() const { return size_ * 0.22; }
    double indexGap() const { return size_ * 0.04; }
    double barGap() const { return std::max(1.0, size_ * 0.1); }
    double barThickness() const { return std::max(1.0, size_ / 15.0); }
    double fractionOverhang() const { return size_ * 0.15; }
    double operatorSpace(const QString& text) const
    {
        if (text == u"="_s)
            return size_ * 0.25;
        if (text == u"·"_s)
            return size_ * 0.15;
        return 0;
    }

    double size_;
    double axis_ = 0;
    QFont symbolFont_;
    QFont indexFont_;
    QFont uprightFont_;
    QFontMetricsF symbolMetrics_;
    QFontMetricsF indexMetrics_;
    QFontMetricsF uprightMetrics_;
};

// Black on the grey background, antialiased, in a palette of grey steps
// from black to the background: the background is exactly (191, 191, 191).
QImage toPalettised(const QImage& image)
{
    constexpr int kSteps = 64;
    const int top = kFormulaBackground.red();
    QList<QRgb> palette;
    for (int i = 0; i < kSteps; ++i) {
        const int grey = (i * top + (kSteps - 1) / 2) / (kSteps - 1);
        palette.append(qRgb(grey, grey, grey));
    }
    QImage result(image.size(), QImage::Format_Indexed8);
    result.setColorTable(palette);
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* out = result.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const int grey = std::clamp(qGray(in[x]), 0, top);
            out[x] = static_cast<uchar>((grey * (kSteps - 1) + top / 2) / top);
        }
    }
    return result;
}

QImage draw(const Formula& formula, qreal ratio)
{
    // The largest size at which the formula fits with a pixel to spare all round.
    const QSizeF room(formula.size.width() - 4, formula.size.height() - 2);
    double size = 20;
    for (; size > 6; size -= 0.25) {
        const Extent e = Typesetter(size).measure(formula.node);
        if (e.width <= room.width() && e.height() <= room.height())
            break;
    }
    const Typesetter typesetter(size);
    const Extent e = typesetter.measure(formula.node);

    // Typeset in the picture's own pixels at the screen's density: every
    // device pixel it covers is drawn, none enlarged.
    QImage canvas(chart::deviceSize(formula.size, ratio), QImage::Format_RGB32);
    canvas.fill(kFormulaBackground);
    canvas.setDevicePixelRatio(ratio);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    const double x = (formula.size.width() - e.width) / 2;
    const double baseline = std::round((formula.size.height() - e.height()) / 2 + e.ascent);
    typesetter.draw(painter, formula.node, x, baseline);
    painter.end();
    QImage picture = toPalettised(canvas);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

QString textOf(const Node& node)
{
    switch (node.kind) {
    case Node::Kind::Symbol:
        return node.index.isEmpty() ? node.base : node.base + u'_' + node.index;
    case Node::Kind::Operator:
        return node.base;
    case Node::Kind::Fraction:
        return textOf(node.children[0]) + u" / "_s + textOf(node.children[1]);
    case Node::Kind::Row: {
        QStringList parts;
        for (const Node& item : node.children)
            parts.append(textOf(item));
        return parts.join(u' ');
    }
    }
    return {};
}

}  // namespace

QSize formulaPictureSize(int number)
{
    const Formula* formula = findFormula(number);
    return formula ? formula->size : QSize();
}

const QImage& formulaPicture(int number, qreal ratio)
{
    // One set per density asked for; [0] stays null.
    static std::map<qreal, std::array<QImage, kFormulaCount + 1>> cache;
    ratio = ratio > 0 ? ratio : 1.0;
    auto& pictures = cache[ratio];
    const Formula* formula = findFormula(number);
    if (!formula)
        return pictures[0];
    QImage& picture = pictures[static_cast<std::size_t>(number)];
    if (picture.isNull())
        picture = draw(*formula, ratio);
    return picture;
}

QString formulaText(int number)
{
    const Formula* formula = findFormula(number);
    return formula ? textOf(formula->node) : QString();
}

}  // namespace termalo::help
