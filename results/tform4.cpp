#include "results/tform4.h"

#include "results/chart_button_icon.h"
#include "results/screen_copy.h"
#include "results/window_printing.h"
#include "shell/application.h"
#include "shell/context_menu.h"
#include "shell/controls.h"
#include "shell/dialogs.h"
#include "shell/painting.h"
#include "shell/registry.h"
#include "shell/text_limits.h"
#include "ui_tform4.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>

using termalo::core::Target;

namespace {

constexpr const char* kFormatErrorMessage = "Błąd !. Nieodpowiedni format danych.";

}  // namespace

TForm4::TForm4(QWidget* parent) : Form(parent), ui(std::make_unique<Ui::TForm4>())
{
    ui->setupUi(this);
    setUpForm({.logos = true});

    const QIcon chartPicture = termalo::chartButtonIcon();
    for (QPushButton* button : {ui->BitBtn2, ui->BitBtn3, ui->BitBtn4, ui->BitBtn5, ui->BitBtn6,
                                ui->BitBtn7, ui->BitBtn8}) {
        button->setIcon(chartPicture);
        button->setIconSize(termalo::kChartButtonPictureSize);
    }
    // "&Wskaźniki" lies under "&Wykres" and appears only once "&Wykres" is gone;
    // keeping it hidden meanwhile also keeps Tab and Alt+W off a covered button.
    ui->Button5->hide();

    addTimer(QStringLiteral("Timer1"), 1000);

    // The whole screen as a table, for a spreadsheet or a mail.
    termalo::addCopyAction(this, QStringLiteral("&Kopiuj"), [this] {
        QGuiApplication::clipboard()->setMimeData(termalo::figureTableMimeData(termalo::figureTable(this)));
    });
    // The window's actions: "Kopiuj" first, then what the program adds (the month files).
    termalo::offerWindowMenu(this, [this] { return actions(); });
}

TForm4::~TForm4() = default;

void TForm4::firstShow()
{
    keepLabelsInsideFrames();
}

std::string TForm4::readInput(const termalo::core::InputField& field)
{
    // A text that is only shown is read as far as a label can show it; a
    // field may hold megabytes.
    return field.textOnly ? termalo::shownTextUtf8(field.source) : termalo::controlTextUtf8(field.source);
}

termalo::core::NumberFormat TForm4::regionalNumberFormat()
{
    const QLocale locale = QLocale::system();
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

void TForm4::FormActivate()
{
    const termalo::core::EngineResult result = termalo::core::computeIndicators(
        &readInput, ui->Edit1->text().toStdString(), regionalNumberFormat());
    for (const termalo::core::Output& output : result.outputs)
        applyOutput(output);
    ui->Edit1->setText(QString::fromStdString(result.periodStore));
    if (result.failed) {
        termalo::dialogs().message(QString::fromUtf8(termalo::kApplicationTitle),
                                   QString::fromUtf8(kFormatErrorMessage), termalo::Dialogs::Icon::None);
    }
}

void TForm4::applyOutput(const termalo::core::Output& output)
{
    const bool own = QString::fromStdString(output.target.window) == objectName();
    auto* label = own ? termalo::findControl<QLabel>(this, QString::fromStdString(output.target.control))
                      : termalo::findControl<QLabel>(output.target);
    if (!label)
        return;
    // A label shows what can be seen of an entered text of any length.
    label->setText(termalo::visiblePart(QString::fromStdString(output.text)));
    if (own)
        keepInsideFrame(label);
}

void TForm4::Button1Click()
{
    termalo::closeForm(QStringLiteral("Form2"));
    termalo::closeForm(QStringLiteral("Form3"));
    termalo::closeForm(this);
}

void TForm4::Button2Click()
{
    termalo::printWindowImage(this);
}

void TForm4::Button3Click()
{
    termalo::showForm(QStringLiteral("Form5"));
}

void TForm4::Button4Click()
{
    termalo::showForm(QStringLiteral("Form12"));
    ui->Button4->hide();
    ui->Button5->show();
}

void TForm4::Button5Click()
{
    termalo::showForm(QStringLiteral("Form15"));
}

void TForm4::openChart(const char* window, QWidget* button)
{
    termalo::showForm(QString::fromUtf8(window));
    // One chart window per button and run: the button never comes back.
    button->hide();
}

void TForm4::BitBtn2Click() { openChart("Form13", ui->BitBtn2); }
void TForm4::BitBtn3Click() { openChart("Form14", ui->BitBtn3); }
void TForm4::BitBtn4Click() { openChart("Form9", ui->BitBtn4); }
void TForm4::BitBtn5Click() { openChart("Form10", ui->BitBtn5); }
void TForm4::BitBtn6Click() { openChart("Form7", ui->BitBtn6); }
void TForm4::BitBtn7Click() { openChart("Form8", ui->BitBtn7); }
void TForm4::BitBtn8Click() { openChart("Form11", ui->BitBtn8); }

void TForm4::Timer1Timer()
{
    showClock(ui->Panel1, ui->Panel4);
}
