#pragma once

class QWidget;

namespace termalo {

// "&Drukuj" of the indicator and report screens: asks for a printer through the
// dialogs port and prints the window's client area on one page, at the top left
// of the drawing area (the paper less what the printer cannot reach and the
// margins chosen in the dialog), scaled by the printer's resolution over the
// window's so that it keeps its on-screen size. A window larger than that area
// is scaled down in proportion until it fits: never cut, never on two pages.
// The job is named after the window's caption. The window draws itself onto the
// printer, so its texts and lines go to paper as vectors (sharp on paper, text
// in a PDF); only its pictures are images. Nothing goes translucent (see
// FlatteningPaintDevice), so that a PostScript printer keeps the page a drawing.
// Returns false when the user cancels (nothing is printed). Throws
// termalo::Error when the printer cannot be used.
bool printWindowImage(QWidget* window);

}  // namespace termalo
