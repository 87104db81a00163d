#pragma once

#include <QIcon>
#include <QBrush>
#include <QImage>
#include <QPixmap>
#include <QRect>

class QPainter;

namespace termalo {

// The main window's background: 256 bands from blue 255 down, each
// (height + 255) / 256 rows high.
void paintBlueGradient(QPainter& painter, const QRect& clientRect);

// The title banner: "Termalo" in large red italic block letters with a dark
// outline and "ver. 1.0", on blue; 515 x 99; sharp on high-density screens.
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
// on silver, in black or yellow. Drawn for `ratio` device pixels per pixel (by
// default the highest ratio of the screens), so it stays crisp on high-density
// screens at its size in the layout.
enum class LogoColouring { Black, Yellow };
QPixmap logoPixmap(LogoColouring colouring, qreal ratio = 0);

// The program's icon, after the banner: a red italic "T" outlined in dark red on
// a rounded blue square filling `square`.
void paintProgramIcon(QPainter& painter, const QRectF& square);
// The icon at any size the desktop asks for, drawn by paintProgramIcon().
QIcon programIcon();

// "MS Sans Serif" and "Arial" are drawn with Liberation Sans, "Roman" with
// Liberation Serif.
void installFontSubstitutions();

}  // namespace termalo
