#include "shell/text_viewport.h"

#include "shell/text_control.h"

#include <QFontMetrics>
#include <QStyle>
#include <QWidget>
#include <QtMath>

#include <algorithm>

namespace termalo {

namespace {

// At most this many characters are laid out for what is shown (a text of
// zero-width characters would otherwise never fill the box).
constexpr qsizetype kMostShown = 16384;

}  // namespace

TextViewport::TextViewport(const TextControl& control, const QWidget& widget, std::function<QRect()> box)
    : control_(control), widget_(widget), box_(std::move(box))
{
}

TextViewport::~TextViewport() = default;

QPointF TextViewport::origin() const
{
    const QRect r = box_().adjusted(0, kVerticalMargin, 0, -kVerticalMargin);
    const int height = QFontMetrics(widget_.font()).height();
    return {r.x() - shift_, qreal(r.y() + (r.height() - height + 1) / 2)};
}

ShownLine TextViewport::layOut(qsizetype start, qsizetype end) const
{
    return ShownLine(QStringView(control_.text()).sliced(start, end - start), start, widget_.font(), control_.cursor(),
                     control_.composition());
}

qsizetype TextViewport::charactersFilling(qreal room) const
{
    // Enough of the narrowest character to fill the room, and a few more.
    const int narrowest = std::max(1, QFontMetrics(widget_.font()).horizontalAdvance(QLatin1Char('i')));
    return std::max<qsizetype>(32, qsizetype(room / narrowest) + 8);
}

const ShownLine& TextViewport::line() const
{
    if (shown_)
        return *shown_;
    const QString& text = control_.text();
    const qreal room = box_().width() + shift_;
    const qsizetype start = std::min(firstShown_, text.size());
    std::unique_ptr<ShownLine> shown;
    for (qsizetype chunk = charactersFilling(room);; chunk *= 2) {
        qsizetype end = std::min(text.size(), start + std::min(chunk, kMostShown));
        if (end < text.size() && text.at(end).isLowSurrogate())
            ++end;
        shown = std::make_unique<ShownLine>(layOut(start, end));
        if (end == text.size() || chunk >= kMostShown || shown->width() > room)
            break;
    }
    shown_ = std::move(shown);
    return *shown_;
}

TextViewport::Scroll TextViewport::scrollShowingUpTo(qsizetype end) const
{
    const qreal room = box_().width() - 1;
    for (qsizetype chunk = charactersFilling(room);; chunk *= 2) {
        const qsizetype begin = control_.safeBoundary(std::max<qsizetype>(0, end - std::min(chunk, kMostShown)));
        const ShownLine candidate = layOut(begin, end);
        const qreal width = candidate.width();
        if (width <= room) {
            if (begin == 0 || chunk >= kMostShown)
                return {begin, 0};
            continue;
        }
        // Shifted left by the part that does not fit, in whole pixels as Qt's
        // line edit scrolls; shown from the character that the left edge of
        // the inner margin cuts (from the cursor when it cuts the composition).
        const QTextLayout& layout = candidate.layout();
        const QTextLine line = candidate.line();
        const qreal hidden = qRound(width) - room;
        const qreal edge = std::max<qreal>(0, hidden - kHorizontalMargin);
        const int length = int(layout.text().size());
        int position = line.xToCursor(edge, QTextLine::CursorBetweenCharacters);
        while (position > 0 && line.cursorToX(position) > edge)
            position = layout.previousCursorPosition(position);
        while (position < length && line.cursorToX(layout.nextCursorPosition(position)) <= edge)
            position = layout.nextCursorPosition(position);
        const qsizetype first = candidate.at(position);
        return {first, hidden - line.cursorToX(candidate.endingAt(first))};
    }
}

void TextViewport::scrollTo(Scroll scroll)
{
    firstShown_ = scroll.first;
    shift_ = scroll.shift;
    invalidate();
}

void TextViewport::scrollToCursor()
{
    // As Qt's line edit scrolls: a text that fits is shown from its start; the
    // cursor, and a composition up to its end, stay left of the last pixel; no
    // room is left empty on the right while text is hidden on the left.
    const qreal room = box_().width() - 1;
    const qsizetype cursor = control_.cursor();
    const qsizetype size = control_.text().size();
    firstShown_ = std::min(firstShown_, size);
    if (cursor < firstShown_ || (cursor == firstShown_ && shift_ > 0 && !control_.isComposing())) {
        firstShown_ = cursor;
        shift_ = 0;
    }
    invalidate();
    const ShownLine& shown = line();
    if (cursor > shown.end() || shown.x(shown.startingAt(cursor)) - shift_ > room) {
        scrollTo(scrollShowingUpTo(cursor));
    } else if ((firstShown_ > 0 || shift_ > 0) && shown.end() == size && shown.width() - shift_ < room) {
        const Scroll rightAligned = scrollShowingUpTo(size);
        if (rightAligned.first < firstShown_ || (rightAligned.first == firstShown_ && rightAligned.shift < shift_))
            scrollTo(rightAligned);
    }
    if (control_.isComposing())
        keepCompositionInSight(room);
}

void TextViewport::keepCompositionInSight(qreal room)
{
    // A composition cut on the left is shown from its start when it fits, or
    // when the caret in it would be hidden.
    const ShownLine& shown = line();
    const qsizetype cursor = control_.cursor();
    if (!shown.holds(cursor))
        return;
    const qreal left = shown.x(shown.endingAt(cursor)) - shift_;
    const qreal width = shown.x(shown.startingAt(cursor)) - shown.x(shown.endingAt(cursor));
    if (left < 0 && (width <= room || shown.x(shown.caret()) - shift_ < 0))
        scrollTo({cursor, 0});
}

qsizetype TextViewport::positionAt(QPoint point) const
{
    const ShownLine& shown = line();
    const qsizetype at = shown.at(shown.inLayoutAt(point.x() - origin().x()));
    return control_.safeBoundary(std::clamp<qsizetype>(at, 0, control_.text().size()));
}

QRect TextViewport::cursorRect() const
{
    const ShownLine& shown = line();
    const QPointF o = origin();
    const qreal x = o.x() + shown.x(shown.caret());
    return {qRound(x), qRound(o.y()), widget_.style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, &widget_),
            QFontMetrics(widget_.font()).height()};
}

QRect TextViewport::characterRect(qsizetype position) const
{
    if (position < 0 || position >= control_.text().size())
        return {};
    const ShownLine& shown = line();
    if (position < shown.start() || position >= shown.end())
        return {};
    const QPointF o = origin();
    const int left = qFloor(o.x() + shown.x(shown.startingAt(position)));
    const int right = qCeil(o.x() + shown.x(shown.endingAt(std::min(control_.nextCharacter(position), shown.end()))));
    const QRect r(left, qRound(o.y()), right - left, QFontMetrics(widget_.font()).height());
    return r.intersects(box_().adjusted(-kHorizontalMargin, 0, kHorizontalMargin, 0)) ? r : QRect();
}

}  // namespace termalo
