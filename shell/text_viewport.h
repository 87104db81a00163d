#pragma once

#include "shell/shown_line.h"

#include <QPoint>
#include <QPointF>
#include <QRect>

#include <functional>
#include <memory>

class QWidget;

namespace termalo {

class TextControl;

// What a one-line edit box shows of its control's text: the characters from
// the first one shown (with `shift` pixels of it hidden on the left) up to the
// right edge, laid out as a ShownLine, and how that part scrolls, as Qt's line
// edit scrolls, so that the cursor and a composition stay in sight. Only what
// can be seen is laid out: scrolling, hit-testing and painting cost the same
// with ten characters as with ten million.
class TextViewport {
public:
    // Space between the frame and the text, as in Qt's own line edit.
    static constexpr int kHorizontalMargin = 2;
    static constexpr int kVerticalMargin = 1;

    // `box` gives where the text goes in the widget, horizontal margins excluded.
    TextViewport(const TextControl& control, const QWidget& widget, std::function<QRect()> box);
    ~TextViewport();

    // The index of the first character shown at the left edge.
    qsizetype firstShown() const { return firstShown_; }
    // The laid-out part, kept until the text, the cursor, the composition or the box changes.
    const ShownLine& line() const;
    // Where the line is drawn from in the widget.
    QPointF origin() const;
    // Forgets the laid-out part.
    void invalidate() { shown_.reset(); }
    void scrollToCursor();

    qsizetype positionAt(QPoint point) const;
    QRect cursorRect() const;
    // Where the character at `position` is drawn; empty when it cannot be seen.
    QRect characterRect(qsizetype position) const;

private:
    struct Scroll {
        qsizetype first;
        qreal shift;
    };
    ShownLine layOut(qsizetype start, qsizetype end) const;
    // Where to start showing so that the text up to `end` ends at the right edge.
    Scroll scrollShowingUpTo(qsizetype end) const;
    void scrollTo(Scroll scroll);
    void keepCompositionInSight(qreal room);
    qsizetype charactersFilling(qreal room) const;

    const TextControl& control_;
    const QWidget& widget_;
    std::function<QRect()> box_;
    qsizetype firstShown_ = 0;
    qreal shift_ = 0;  // pixels of the first shown character hidden on the left
    mutable std::unique_ptr<ShownLine> shown_;
};

}  // namespace termalo
