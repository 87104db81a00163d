#include "entry/entry_screen.h"

#include "shell/registry.h"
#include "shell/text_limits.h"
#include "shell/typing_label.h"

#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include <limits>

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

    // The fields take text of any length; their undo history stays bounded.
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        edit->setMaxLength(std::numeric_limits<int>::max());
        boundUndoHistory(edit);
    }

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

void EntryScreen::setUpPeriodBox(QComboBox* box, const QString& prompt)
{
    // Case-sensitive completion: a month typed in lower case stays in lower
    // case instead of being matched to the list entry when the box loses focus.
    if (QCompleter* completer = box->completer())
        completer->setCaseSensitivity(Qt::CaseSensitive);
    box->setCurrentIndex(-1);
    box->setEditText(prompt);
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
