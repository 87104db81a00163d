#pragma once

#include "shell/form.h"

#include <memory>

class QCloseEvent;

namespace Ui {
class TForm15;
}

// The methodology menu: one button per indicator, each opening the first page
// of that indicator's chain of pages.
class TForm15 : public termalo::Form {
    Q_OBJECT
public:
    explicit TForm15(QWidget* parent = nullptr);
    ~TForm15() override;

public slots:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();

protected:
    // The close box does what "&Zamknij" does.
    void closeEvent(QCloseEvent* event) override;

private:
    // Shows the first page of the chain of menu button `number` (1 ... 7).
    static void openChain(int number);

    std::unique_ptr<Ui::TForm15> ui;
};
