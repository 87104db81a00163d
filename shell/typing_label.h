#pragma once

#include <QLabel>
#include <QString>

class QTimer;

// A label that types its AText out one character per AInterval milliseconds
// after Execute().
class TTypingLabel : public QLabel {
    Q_OBJECT
public:
    explicit TTypingLabel(QWidget* owner);
    ~TTypingLabel() override;

    QString AText() const { return aText_; }
    void SetAText(const QString& text);
    int AInterval() const { return aInterval_; }
    void SetAInterval(int milliseconds);
    int position() const { return position_; }
    QTimer* timer() const { return timer_; }

public slots:
    void Execute();
    void TimerTimer();

private:
    QString aText_;
    int aInterval_ = 500;
    int position_ = 0;
    QTimer* timer_ = nullptr;
};
