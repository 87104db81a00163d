#pragma once

#include "shell/dialogs.h"

#include <QMessageBox>

#include <memory>

namespace termalo {

// The message boxes that the real dialogs port shows, built but not yet shown,
// so their buttons and texts can be looked at without a modal loop.

// A message box with an OK button.
std::unique_ptr<QMessageBox> makeMessageBox(const QString& caption, const QString& text, Dialogs::Icon icon);
// The Yes/No question with the question icon, Yes as the default button.
std::unique_ptr<QMessageBox> makeQuestionBox(const QString& caption, const QString& text);

}  // namespace termalo
