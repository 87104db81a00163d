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

// Picture `number`, drawn the first time it is asked for and kept for the run;
// a null image for a number the pages do not use.
const QImage& formulaPicture(int number);

// The text of formula `number` in one line ("S_Zp = Lp · Te"), for messages and
// for readers of the code.
QString formulaText(int number);

}  // namespace termalo::help
