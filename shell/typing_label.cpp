#include "shell/typing_label.h"

#include "shell/application.h"

#include <QEvent>
#include <QFontMetrics>
#include <QTimer>

#include <algorithm>

TTypingLabel::TTypingLabel(QWidget* owner) : QLabel(owner)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setAutoFillBackground(true);
    timer_ = new QTimer(this);
    timer_->setInterval(aInterval_);
    connect(timer_, &QTimer::timeout, this, [this] { termalo::runGuarded([this] { TimerTimer(); }); });
    fitToText();
}

TTypingLabel::~TTypingLabel()
{
    timer_->stop();
}

void TTypingLabel::SetAText(const QString& text)
{
    aText_ = text;
}

void TTypingLabel::SetAInterval(int milliseconds)
{
    aInterval_ = milliseconds;
    // A zero interval would fire at every pass of the event loop and starve the
    // rest of the program.
    timer_->setInterval(std::max(milliseconds, 1));
}

void TTypingLabel::SetColor(const QColor& colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

QColor TTypingLabel::Color() const
{
    return palette().color(QPalette::Window);
}

void TTypingLabel::SetFontColor(const QColor& colour)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

QColor TTypingLabel::FontColor() const
{
    return palette().color(QPalette::WindowText);
}

void TTypingLabel::Execute()
{
    // Restarting a running timer would postpone the next character: a label
    // already typing goes on at its own pace.
    if (!timer_->isActive())
        timer_->start();
}

void TTypingLabel::TimerTimer()
{
    ++position_;
    if (aText_.size() >= position_) {
        setText(aText_.left(position_));
        fitToText();
    }
    if (aText_.size() < position_) {
        timer_->stop();
        position_ = 0;
    }
}

void TTypingLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        termalo::runGuarded([this] { fitToText(); });
}

void TTypingLabel::fitToText()
{
    const QString caption = text().isEmpty() ? QStringLiteral(" ") : text();
    const QMargins m = contentsMargins();
    const int extra = 2 * margin();
    const QSize textSize = fontMetrics().size(Qt::TextExpandTabs, caption);
    resize(textSize.width() + m.left() + m.right() + extra, textSize.height() + m.top() + m.bottom() + extra);
}
