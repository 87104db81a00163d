#include "help/tform15.h"

#include "help/group_box_style.h"
#include "help/methodology_pages.h"
#include "shell/registry.h"
#include "ui_tform15.h"

#include <QCloseEvent>

namespace {

// Where the menu opens the first time: over the left part of the main window.
constexpr QPoint kFirstPosition(197, 129);

}  // namespace

TForm15::TForm15(QWidget* parent) : Form(parent), ui(std::make_unique<Ui::TForm15>())
{
    ui->setupUi(this);
    setUpForm({.background = Background::ButtonFace, .fitLabels = false});
    setFirstPosition(kFirstPosition);
    termalo::help::useEtchedFrame(ui->GroupBox1);
}

TForm15::~TForm15() = default;

void TForm15::openChain(int number)
{
    const auto& chains = termalo::help::chains();
    termalo::showForm(chains.at(static_cast<std::size_t>(number - 1)).pages.front());
}

void TForm15::Button1Click()
{
    openChain(1);
}

void TForm15::Button2Click()
{
    openChain(2);
}

void TForm15::Button3Click()
{
    openChain(3);
}

void TForm15::Button4Click()
{
    openChain(4);
}

void TForm15::Button5Click()
{
    openChain(5);
}

void TForm15::Button6Click()
{
    openChain(6);
}

void TForm15::Button7Click()
{
    openChain(7);
}

void TForm15::Button8Click()
{
    termalo::closeForm(this);
}

void TForm15::closeEvent(QCloseEvent* event)
{
    termalo::closeForm(this);
    event->accept();
}
