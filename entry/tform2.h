#pragma once

#include "entry/entry_screen.h"

#include <memory>

namespace Ui {
class TForm2;
}

// The basic information screen: the sanatorium, its rooms, the average price of
// a place and the calculation period.
class TForm2 : public termalo::EntryScreen {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

private:
    // The year list: 2003 through the year after today's, from the clock port.
    void offerYears();

    std::unique_ptr<Ui::TForm2> ui;
};
