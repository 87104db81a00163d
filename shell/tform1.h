#pragma once

#include "shell/form.h"

#include <memory>

class QCloseEvent;
class QShowEvent;
class TTypingLabel;

namespace Ui {
class TForm1;
}

namespace termalo {
class DecorativeChart;
}

// The main window: the description, the clock, the way into the program and
// its end.
class TForm1 : public termalo::Form {
    Q_OBJECT
public:
    // Client area of the window: what a 650 x 460 framed window leaves inside
    // its frame and caption; the width may shrink by two pixels.
    static constexpr int kClientWidth = 642;
    static constexpr int kMinClientWidth = 640;
    static constexpr int kClientHeight = 426;

    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    TTypingLabel* firstDescription() const { return typingLabel1_; }
    TTypingLabel* secondDescription() const { return typingLabel2_; }
    termalo::DecorativeChart* chart() const;

public slots:
    void FormPaint();
    void Timer1Timer();
    void Button1Click();
    void Button6Click();
    void Button3Click();
    void Button2Click();
    void Button4Click();
    void Button5Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // True when the user confirms that the program should end.
    bool FormClose();
    void styleControls();

    std::unique_ptr<Ui::TForm1> ui;
    TTypingLabel* typingLabel1_ = nullptr;
    TTypingLabel* typingLabel2_ = nullptr;
};
