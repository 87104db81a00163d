#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace termalo {

// The picture of the indicator screen's chart buttons: a tiny bar chart, 12 x 10.
inline constexpr QSize kChartButtonPictureSize{12, 10};

// The picture for a screen of `ratio` device pixels per pixel: drawn in its
// pixels, so it stays sharp at any scale.
QPixmap chartButtonPixmap(qreal ratio = 1.0);

// The buttons' icon: the picture drawn for whatever density the button asks.
QIcon chartButtonIcon();

}  // namespace termalo
