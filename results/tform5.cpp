#include "results/tform5.h"

#include "core/report.h"
#include "results/form_support.h"
#include "results/window_printing.h"
#include "shell/application.h"
#include "shell/painting.h"
#include "shell/registry.h"
#include "ui_tform5.h"

#include <QLabel>

TForm5::TForm5(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TForm5>())
{
    ui->setupUi(this);
    termalo::applyDesignFonts(this);
    termalo::useButtonFaceBackground(this);
    termalo::fitLabelsToText(this);

    ui->Image1->setPixmap(termalo::logoPixmap(termalo::LogoColouring::Black));
    ui->Image2->setPixmap(termalo::logoPixmap(termalo::LogoColouring::Yellow));

    // A value longer than the room the layout leaves for it runs over the text
    // beside it; it is drawn on top, on the window's colour, so it stays legible.
    for (const termalo::core::ReportSlot& slot : termalo::core::reportSlots()) {
        if (auto* label = findChild<QLabel*>(QString::fromLatin1(slot.slot))) {
            label->setAutoFillBackground(true);
            label->raise();
        }
    }

    termalo::connectHandler(ui->Button1, &QPushButton::clicked, this, &TForm5::Button1Click);
    termalo::connectHandler(ui->Button2, &QPushButton::clicked, this, &TForm5::Button2Click);
}

TForm5::~TForm5() = default;

void TForm5::FormActivate()
{
    const auto texts = termalo::core::composeReport(&termalo::controlTextUtf8);
    for (const auto& [slot, text] : texts) {
        if (auto* label = findChild<QLabel*>(QString::fromStdString(slot))) {
            // Values grow to the right from where the layout puts them; nothing moves.
            label->setText(QString::fromStdString(text));
            label->adjustSize();
        }
    }
}

void TForm5::Button1Click()
{
    termalo::closeForm(this);
}

void TForm5::Button2Click()
{
    termalo::printWindowImage(this);
}

void TForm5::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!centred_) {
        centred_ = true;
        termalo::centreOnScreen(this);
    }
}
