#pragma once

#include "shell/composition.h"

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QStringView>
#include <QTextLayout>

#include <memory>

class QPainter;
class QPalette;

namespace termalo {

// A part of a text laid out on one line: the characters [start, end) and, when
// the cursor is among them, the input method's composition before the
// character at the cursor, in its formats. Control characters and line or
// paragraph separators are laid out as blanks, so that no font draws boxes
// for them.
//
// It is the one mapping between positions in the text and places in the
// layout ("in layout", counted in the laid-out characters), which painting,
// hit-testing, the caret and scrolling all use.
class ShownLine {
public:
    // `characters` are the text's characters from `start` on; `cursor` is the
    // text's cursor, where a non-empty composition is laid out.
    ShownLine(QStringView characters, qsizetype start, const QFont& font, qsizetype cursor = -1,
              const Composition& composition = {});

    qsizetype start() const { return start_; }
    qsizetype end() const { return end_; }
    bool holds(qsizetype position) const { return position >= start_ && position <= end_; }
    // Where the composition is laid out (the cursor), or -1 when it is not.
    qsizetype composedAt() const { return composedAt_; }
    int composedLength() const { return composedLength_; }

    const QTextLayout& layout() const { return *layout_; }
    QTextLine line() const { return layout_->lineAt(0); }
    qreal width() const { return line().naturalTextWidth(); }
    qreal x(int inLayout) const { return line().cursorToX(inLayout); }
    // The place nearest to `x`, between two characters.
    int inLayoutAt(qreal x) const { return line().xToCursor(x); }

    // Where the text up to `position` ends: before a composition there.
    int endingAt(qsizetype position) const
    {
        return int(position - start_) + (composedAt_ >= 0 && position > composedAt_ ? composedLength_ : 0);
    }
    // Where the character at `position` begins: after a composition there.
    int startingAt(qsizetype position) const
    {
        return int(position - start_) + (composedAt_ >= 0 && position >= composedAt_ ? composedLength_ : 0);
    }
    // The text position of a place in the layout; within the composition, the cursor.
    qsizetype at(int inLayout) const;
    // Whether a place in the layout is within the composition or at one of its ends.
    bool inComposition(int inLayout) const
    {
        return composedAt_ >= 0 && inLayout >= endingAt(composedAt_) && inLayout <= startingAt(composedAt_);
    }
    // Where the caret is: at the cursor, and within a composition where the input method puts it.
    int caret() const;

    // Draws the line with the characters [selectedFrom, selectedTo) of the text highlighted.
    void draw(QPainter* painter, QPointF origin, qsizetype selectedFrom, qsizetype selectedTo, const QPalette& palette,
              const QRectF& clip) const;

private:
    qsizetype start_;
    qsizetype end_;
    qsizetype cursor_;
    qsizetype composedAt_ = -1;
    int composedLength_ = 0;
    int composedCaret_ = 0;
    std::unique_ptr<QTextLayout> layout_;
};

}  // namespace termalo
