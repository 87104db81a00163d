#pragma once

#include "shell/form.h"

#include <QString>

class QLabel;
class TTypingLabel;

namespace termalo {

class ComboField;

// What the two data-entry screens have in common: the window's look, the logos,
// the instruction that types itself out on every activation, "&Dalej..." that
// opens the next screen and "&Wstecz" that hides this one. Nothing typed here
// is checked; the indicator screen converts the texts when it computes.
class EntryScreen : public Form {
    Q_OBJECT
public:
    // The instruction label, once finishSetUp() has created it.
    TTypingLabel* typingLabel() const { return typingLabel_; }
    QString nextFormName() const { return nextForm_; }

public slots:
    // Types the instruction: goes on when it is typing, starts again when it is done.
    void FormActivate();
    // "&Dalej...": shows the next screen; this one stays open behind it.
    void Button1Click();
    // "&Wstecz": hides this screen, keeping everything typed into it.
    void Button2Click();

protected:
    EntryScreen(const QString& nextForm, QWidget* parent);

    // Runs after setupUi(): the window's look and the instruction label.
    void finishSetUp(const QString& instruction);

    // An editable period box: shows `prompt` as its text, keeps whatever the
    // user types exactly as typed.
    static void setUpPeriodBox(ComboField* box, const QString& prompt);

private:
    QString nextForm_;
    TTypingLabel* typingLabel_ = nullptr;
};

}  // namespace termalo
