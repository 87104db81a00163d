#include "results/tform4.h"

#include "results/chart_button_icon.h"
#include "results/form_support.h"
#include "results/window_printing.h"
#include "shell/application.h"
#include "shell/clock.h"
#include "shell/dialogs.h"
#include "shell/painting.h"
#include "shell/registry.h"
#include "ui_tform4.h"

#include <QLabel>
#include <QLocale>
#include <QTimer>

using termalo::core::Target;

namespace {

constexpr const char* kFormatErrorMessage = "Błąd !. Nieodpowiedni format danych.";

}  // namespace

TForm4::TForm4(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TForm4>())
{
    ui->setupUi(this);
    termalo::applyDesignFonts(this);
    termalo::useButtonFaceBackground(this);
    termalo::fitLabelsToText(this);

    ui->Image1->setPixmap(termalo::logoPixmap(termalo::LogoColouring::Black));
    ui->Image2->setPixmap(termalo::logoPixmap(termalo::LogoColouring::Yellow));

    const QPixmap chartPicture = termalo::chartButtonPixmap();
    for (QPushButton* button : {ui->BitBtn2, ui->BitBtn3, ui->BitBtn4, ui->BitBtn5, ui->BitBtn6,
                                ui->BitBtn7, ui->BitBtn8}) {
        button->setIcon(chartPicture);
        button->setIconSize(chartPicture.size());
    }
    // "&Wskaźniki" lies under "&Wykres" and appears only once "&Wykres" is gone;
    // keeping it hidden meanwhile also keeps Tab and Alt+W off a covered button.
    ui->Button5->hide();

    termalo::connectHandler(ui->Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
    termalo::connectHandler(ui->Button2, &QPushButton::clicked, this, &TForm4::Button2Click);
    termalo::connectHandler(ui->Button3, &QPushButton::clicked, this, &TForm4::Button3Click);
    termalo::connectHandler(ui->Button4, &QPushButton::clicked, this, &TForm4::Button4Click);
    termalo::connectHandler(ui->Button5, &QPushButton::clicked, this, &TForm4::Button5Click);
    termalo::connectHandler(ui->BitBtn2, &QPushButton::clicked, this, &TForm4::BitBtn2Click);
    termalo::connectHandler(ui->BitBtn3, &QPushButton::clicked, this, &TForm4::BitBtn3Click);
    termalo::connectHandler(ui->BitBtn4, &QPushButton::clicked, this, &TForm4::BitBtn4Click);
    termalo::connectHandler(ui->BitBtn5, &QPushButton::clicked, this, &TForm4::BitBtn5Click);
    termalo::connectHandler(ui->BitBtn6, &QPushButton::clicked, this, &TForm4::BitBtn6Click);
    termalo::connectHandler(ui->BitBtn7, &QPushButton::clicked, this, &TForm4::BitBtn7Click);
    termalo::connectHandler(ui->BitBtn8, &QPushButton::clicked, this, &TForm4::BitBtn8Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TForm4::Timer1Timer);
    Timer1->start();
}

TForm4::~TForm4() = default;

termalo::core::InputTexts TForm4::currentInputs()
{
    termalo::core::InputTexts in;
    for (const termalo::core::InputField& field : termalo::core::inputFields())
        in.*field.text = termalo::controlTextUtf8(field.source);
    return in;
}

termalo::core::NumberFormat TForm4::regionalNumberFormat()
{
    const QLocale locale = QLocale::system();
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

void TForm4::FormActivate()
{
    const termalo::core::EngineResult result = termalo::core::computeIndicators(
        currentInputs(), ui->Edit1->text().toStdString(), regionalNumberFormat());
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
    const QString windowName = QString::fromStdString(output.target.window);
    const bool own = windowName == objectName();
    // The chart windows may not exist (yet); their values are then dropped.
    QWidget* window = own ? this : termalo::WindowRegistry::find(windowName);
    if (!window)
        return;
    auto* label = window->findChild<QLabel*>(QString::fromStdString(output.target.control));
    if (!label)
        return;
    label->setText(QString::fromStdString(output.text));
    if (own)
        label->adjustSize();
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
    const QDateTime now = termalo::clock().now();
    ui->Panel1->setText(termalo::timePanelText(now));
    ui->Panel4->setText(termalo::datePanelText(now));
}
