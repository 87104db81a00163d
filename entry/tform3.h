#pragma once

#include "entry/entry_screen.h"

#include <memory>

namespace Ui {
class TForm3;
}

// The stays screen: contract and individual stays, their revenues and the
// occupancy of the rooms in the calculation month.
class TForm3 : public termalo::EntryScreen {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
    ~TForm3() override;

private:
    std::unique_ptr<Ui::TForm3> ui;
};
