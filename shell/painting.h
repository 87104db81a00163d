#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>

class QPainter;

namespace termalo {

// The main window's background: 256 bands from blue 255 down, each
// (height + 255) / 256 rows high.
void paintBlueGradient(QPainter& painter, const QRect& clientRect);

// The title banner: "Termalo" in large red italic block letters with a dark
// outline and "ver. 1.0", on blue; 515 x 99.
QPixmap bannerPixmap();
// Draws the banner at `scale` times its size (the picture that tools/pictures
// keeps in resources/pictures).
QImage drawBanner(qreal scale);

// The small logo, 129 x 25: "Termalo" with "ver. 1.0", letters outlined in red
// on silver, in black or yellow.
enum class LogoColouring { Black, Yellow };
QPixmap logoPixmap(LogoColouring colouring);

// "MS Sans Serif" and "Arial" are drawn with Liberation Sans.
void installFontSubstitutions();

}  // namespace termalo
