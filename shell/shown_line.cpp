#include "shell/shown_line.h"

#include <QPainter>
#include <QPalette>
#include <QTextOption>

#include <algorithm>

namespace termalo {

namespace {

// Wide enough for any line that is laid out: it is never wrapped.
constexpr qreal kUnboundedLine = 1e6;

// What the box draws for a part of its text: control characters and line or
// paragraph separators as blanks.
QString shownCharacters(QStringView part)
{
    QString shown = part.toString();
    for (QChar& c : shown) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != 0x09) || c == QChar::LineSeparator || c == QChar::ParagraphSeparator
            || c == QChar::ObjectReplacementCharacter)
            c = QLatin1Char(' ');
    }
    return shown;
}

}  // namespace

ShownLine::ShownLine(QStringView characters, qsizetype start, const QFont& font, qsizetype cursor,
                     const Composition& composition)
    : start_(start), end_(start + characters.size()), cursor_(cursor)
{
    QString shown = shownCharacters(characters);
    QList<QTextLayout::FormatRange> formats;
    if (!composition.isEmpty() && holds(cursor)) {
        const int at = int(cursor - start);
        composedAt_ = cursor;
        composedLength_ = int(composition.text.size());
        composedCaret_ = std::clamp(composition.caret, 0, composedLength_);
        shown.insert(at, shownCharacters(composition.text));
        for (QTextLayout::FormatRange range : composition.formats) {
            range.start += at;
            formats.append(range);
        }
    }
    layout_ = std::make_unique<QTextLayout>(shown, font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(Qt::LeftToRight);
    layout_->setTextOption(option);
    layout_->setCacheEnabled(true);
    if (!formats.isEmpty())
        layout_->setFormats(formats);
    layout_->beginLayout();
    QTextLine line = layout_->createLine();
    line.setLineWidth(kUnboundedLine);
    layout_->endLayout();
}

qsizetype ShownLine::at(int inLayout) const
{
    if (composedAt_ < 0 || inLayout <= composedAt_ - start_)
        return start_ + inLayout;
    if (inLayout < composedAt_ - start_ + composedLength_)
        return composedAt_;
    return start_ + inLayout - composedLength_;
}

int ShownLine::caret() const
{
    const int at = endingAt(std::clamp(cursor_, start_, end_));
    return composedAt_ >= 0 ? at + composedCaret_ : at;
}

void ShownLine::draw(QPainter* painter, QPointF origin, qsizetype selectedFrom, qsizetype selectedTo,
                     const QPalette& palette, const QRectF& clip) const
{
    QList<QTextLayout::FormatRange> selections;
    const qsizetype from = std::max(selectedFrom, start_);
    const qsizetype to = std::min(selectedTo, end_);
    if (from < to) {
        QTextLayout::FormatRange range;
        range.start = startingAt(from);
        range.length = endingAt(to) - range.start;
        range.format.setBackground(palette.brush(QPalette::Highlight));
        range.format.setForeground(palette.brush(QPalette::HighlightedText));
        selections.append(range);
    }
    layout_->draw(painter, origin, selections, clip);
}

}  // namespace termalo
