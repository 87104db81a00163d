#include "entry/tform2.h"

#include "ui_tform2.h"

#include <algorithm>

#include "shell/clock.h"
#include "shell/combo_field.h"

namespace {

const char* const kInstruction =
    "Proszę  wpisać  dane  w  odpowiednie  pola.  Średnia cena  za  miejsce\n"
    "w  sanatorium,  powinna  uwzględniać ceny  za  miejsce w  pokoju  bez\n"
    "zniżek, czyli  ceny  podstawowe.  Proszę również wybrać  miesiąc i rok,\n"
    "za który zostaną obliczone wskaźniki sprawności operacyjnej sanatorium.";

// The first year the list offers; it reaches the year after the clock's.
constexpr int kFirstYear = 2003;

}  // namespace

TForm2::TForm2(QWidget* parent)
    : EntryScreen(QStringLiteral("Form3"), parent), ui(std::make_unique<Ui::TForm2>())
{
    ui->setupUi(this);
    offerYears();
    setUpPeriodBox(ui->ComboBox1, QStringLiteral("Wybierz miesiąc"));
    setUpPeriodBox(ui->ComboBox2, QStringLiteral("Wybierz rok"));
    finishSetUp(QString::fromUtf8(kInstruction));
}

TForm2::~TForm2() = default;

void TForm2::offerYears()
{
    const int last = std::max(kFirstYear, termalo::clock().now().date().year() + 1);
    QStringList years;
    for (int year = kFirstYear; year <= last; ++year)
        years << QString::number(year);
    ui->ComboBox2->addItems(years);
}

