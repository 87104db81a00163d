#include "entry/tform3.h"

#include "ui_tform3.h"

namespace {

const char* const kInstruction =
    "Proszę wpisać dane dotyczące pobytów kontraktowych i indywidualnych.\n"
    "Ilość zakontraktowanych oraz udzielonych noclegów,  a  także  zajętość\n"
    "pokoi 1-, 2- i 3-osobowych, powinna być wyrażona  w  [osobonoclegach].\n"
    "Pozostałe dane dotyczące ilości gości w [osobach], a  przychody  w  [zł].";

}  // namespace

TForm3::TForm3(QWidget* parent)
    : EntryScreen(QStringLiteral("Form4"), parent), ui(std::make_unique<Ui::TForm3>())
{
    ui->setupUi(this);
    finishSetUp(QString::fromUtf8(kInstruction));
}

TForm3::~TForm3() = default;
