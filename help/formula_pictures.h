#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

namespace termalo::help {

// The formula pictures of the methodology pages, numbered as the pages number
// their formulas, (1) to (28). Each is an 8-bit palettised image of its own
// fixed size: the formula typeset in black on the pages' grey.

inline constexpr int kFormulaCount = 28;

// The grey behind every formula.
inline const QColor kFormulaBackground{191, 191, 191};

// The size of picture `number`; an empty size for a number the pages do not use.
QSize formulaPictureSize(int number);

// Picture `number` for a screen of `ratio` device pixels per pixel, drawn the
// first time it is asked for and kept for the run: at its size in the layout,
// typeset sharp in the screen's own pixels. A null image for a number the
// pages do not use.
const QImage& formulaPicture(int number, qreal ratio = 1.0);

// The text of formula `number` in one line ("S_Zp = Lp · Te"), for messages and
// for readers of the code.
QString formulaText(int number);

}  // namespace termalo::help
