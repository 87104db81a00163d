#pragma once

#include "core/target.h"

#include <QString>

#include <string>

class QWidget;

namespace termalo {

// The layouts keep font sizes in points at 96 dpi (8 pt = 11 px). Turns every
// explicitly set point size under `root` (root included) into that pixel size,
// so the windows look the same whatever the screen's resolution.
void applyDesignFonts(QWidget* root);

// The window background in the system's button-face colour.
void useButtonFaceBackground(QWidget* window);

// Sizes every plain-text, frameless label under `root` to its text, as
// auto-sized labels do.
void fitLabelsToText(QWidget* root);

// The current text of a control of a registered window: a label's or a panel's
// caption, an edit box's text, a combo box's shown text. Empty when the window
// or the control does not exist.
QString controlText(const core::Target& target);
std::string controlTextUtf8(const core::Target& target);

}  // namespace termalo
