#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

class QTimer;

// A label that types its AText out one character per AInterval milliseconds
// after Execute().
//
// Plain text, no word wrap, an opaque background in the label's colour, and
// automatic size: after every change of caption or font the label is exactly
// as large as its text (widest line by all lines); with an empty caption it is
// as large as one blank.
//
// Each tick of the timer shows one more character of AText; one tick after the
// last character the timer stops and the full text stays. Execute() starts the
// timer: a finished label starts again from the first character, a label that
// is typing goes on where it stands. A new AText takes effect from the next
// tick. Characters are UTF-16 units, so every Polish letter is one character.
class TTypingLabel : public QLabel {
    Q_OBJECT
public:
    explicit TTypingLabel(QWidget* owner);
    ~TTypingLabel() override;

    QString AText() const { return aText_; }
    // Stores the text; the caption, the position and the timer stay as they are.
    void SetAText(const QString& text);
    int AInterval() const { return aInterval_; }
    // Stores the delay between two characters and gives it to the timer. The
    // timer never runs faster than once per millisecond: an interval of 0 or
    // below types one character per millisecond.
    void SetAInterval(int milliseconds);
    int position() const { return position_; }
    QTimer* timer() const { return timer_; }

    // Background and text colours.
    void SetColor(const QColor& colour);
    QColor Color() const;
    void SetFontColor(const QColor& colour);
    QColor FontColor() const;

public slots:
    void Execute();
    void TimerTimer();

protected:
    void changeEvent(QEvent* event) override;

private:
    void fitToText();

    QString aText_;
    int aInterval_ = 500;
    int position_ = 0;
    QTimer* timer_ = nullptr;
};
