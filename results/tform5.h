#pragma once

#include "shell/form.h"

#include <memory>

namespace Ui {
class TForm5;
}

// The report screen: the month's assessment in words, recomposed from what the
// indicator screen shows each time the window becomes active.
class TForm5 : public termalo::Form {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);
    ~TForm5() override;

public slots:
    void FormActivate();
    void Button1Click();
    void Button2Click();

protected:
    void firstShow() override;

private:
    void fitFragmentsToTheirRoom();

    std::unique_ptr<Ui::TForm5> ui;
};
