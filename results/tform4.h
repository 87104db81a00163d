#pragma once

#include "core/indicator_engine.h"

#include "shell/form.h"

#include <memory>

namespace Ui {
class TForm4;
}

// The indicator screen: every indicator of the month, recomputed each time the
// window becomes active.
class TForm4 : public termalo::Form {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);
    ~TForm4() override;

    // The text of one entry field as the computation reads it.
    static std::string readInput(const termalo::core::InputField& field);
    // The regional notation of numbers.
    static termalo::core::NumberFormat regionalNumberFormat();

public slots:
    void FormActivate();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click();
    void BitBtn7Click();
    void BitBtn8Click();
    void Timer1Timer();

protected:
    void firstShow() override;

private:
    void applyOutput(const termalo::core::Output& output);
    void openChart(const char* window, QWidget* button);

    std::unique_ptr<Ui::TForm4> ui;
};
