#pragma once

namespace termalo {

// Gives the two entry screens and the indicator screen "Zapisz miesiąc…"
// (Ctrl+S), "Otwórz miesiąc…" (Ctrl+O) and "Porównaj miesiące…" in their
// menus (right-click, the Menu key, Shift+F10), and takes the empty fields of
// start-up as the month kept. Run by start-up once the windows exist.
void offerMonthActions();

}  // namespace termalo
