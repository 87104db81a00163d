#pragma once

#include <QPalette>

namespace termalo {

// The name of the installed desktop entry (termalo.desktop): the task bar matches
// the program's windows with it.
inline constexpr const char* kDesktopFileName = "termalo";

// The program on the user's desktop, set once per application object before any
// window is built: the program icon on every window, the desktop entry's name,
// Qt's own Polish texts (message box buttons, the print dialog) under Polish
// regional settings, and the program's own style and light palette whatever the
// desktop's style and theme, since the windows' look is part of their design.
void setUpDesktopIntegration();

// Makes Fusion the application's style, replacing whatever style the desktop,
// QT_STYLE_OVERRIDE or the program's caller chose; a no-op when Fusion is in use.
// The standard dialogs are drawn in it as well.
void useProgramStyle();

// The palette the windows are designed on: black text on light grey, white
// entry fields, every colour of every group given, so that a desktop theme has
// nothing left to fill in.
QPalette lightPalette();

// Loads Qt's own translation for Polish regional settings (once per application
// object). True when Qt's Polish texts are in use.
bool installQtTranslation();

}  // namespace termalo
