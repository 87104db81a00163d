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

// Pictures kept as raw pixels: two 32-bit sizes (width, height) in the
// machine's byte order, then the rows in QImage::Format_RGB32.
QByteArray rawPictureData(const QImage& image);
// The picture of an uncompressed resource in that form, read in place (the
// image shares the program's data); a null image when there is none.
QImage rawPicture(const QString& resource);

// The small logo, 129 x 25: "Termalo" with "ver. 1.0", letters outlined in red
// on silver, in black or yellow.
enum class LogoColouring { Black, Yellow };
QPixmap logoPixmap(LogoColouring colouring);

// "MS Sans Serif" and "Arial" are drawn with Liberation Sans.
void installFontSubstitutions();

}  // namespace termalo
