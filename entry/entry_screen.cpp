#include "entry/entry_screen.h"

#include "shell/combo_field.h"
#include "shell/registry.h"
#include "shell/typing_label.h"

#include <QLabel>
#include <QPalette>

namespace termalo {

namespace {

constexpr int kWindowFontPixels = 11;
// The layouts were drawn for a narrower bitmap font than the one that stands in
// for it here; a tenth of a pixel less per letter keeps the longest captions
// clear of their edit boxes and the instruction inside the outer frame.
constexpr qreal kLetterSpacing = -0.1;
constexpr int kLabelHeight = 13;
constexpr int kTypingInterval = 50;
const QPoint kInstructionPosition(185, 35);
const QColor kInstructionBackground(192, 192, 192);
const QColor kInstructionText(0, 0, 128);

}  // namespace

EntryScreen::EntryScreen(const QString& nextForm, QWidget* parent)
    : Form(parent), nextForm_(nextForm)
{
}

void EntryScreen::finishSetUp(const QString& instruction)
{
    QFont windowFont = font();
    windowFont.setPixelSize(kWindowFontPixels);
    windowFont.setLetterSpacing(QFont::AbsoluteSpacing, kLetterSpacing);
    setFont(windowFont);
    setUpForm({.background = Background::ButtonFace, .fitLabels = true, .labelHeight = kLabelHeight,
               .logos = true});

    typingLabel_ = new TTypingLabel(this);
    typingLabel_->setObjectName(QStringLiteral("TypingLabel"));
    typingLabel_->setTextFormat(Qt::PlainText);
    typingLabel_->move(kInstructionPosition);
    typingLabel_->SetAInterval(kTypingInterval);
    QPalette labelPalette = typingLabel_->palette();
    labelPalette.setColor(QPalette::Window, kInstructionBackground);
    labelPalette.setColor(QPalette::WindowText, kInstructionText);
    typingLabel_->setPalette(labelPalette);
    typingLabel_->setAutoFillBackground(true);
    typingLabel_->SetAText(instruction);
}

void EntryScreen::setUpPeriodBox(ComboField* box, const QString& prompt)
{
    box->setCurrentIndex(-1);
    box->setText(prompt);
}

void EntryScreen::FormActivate()
{
    if (typingLabel_)
        typingLabel_->Execute();
}

void EntryScreen::Button1Click()
{
    showForm(nextForm_);
}

void EntryScreen::Button2Click()
{
    closeForm(this);
}

}  // namespace termalo
