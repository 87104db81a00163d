#include "shell/painting.h"

#include <QGuiApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPixmapCache>

namespace termalo {

void paintBlueGradient(QPainter& painter, const QRect& clientRect)
{
    const int height = clientRect.height();
    const int band = (height + 255) / 256;
    if (band <= 0)
        return;
    for (int i = 0; i < 256; ++i) {
        const int top = i * band;
        if (top >= height)
            break;  // the remaining bands lie below the client area
        painter.fillRect(QRect(clientRect.left(), clientRect.top() + top, clientRect.width(), band),
                         QColor(0, 0, 255 - i));
    }
}

namespace {

// The pictures are drawn with an explicit family so that they look the same on
// every machine, whatever fonts the system substitutes.
QFont pictureFont(qreal pixelSize, bool italic)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(qRound(pixelSize));
    font.setBold(true);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// Text as an outline, its top-left ink corner placed at `origin`.
QPainterPath textPath(const QString& text, const QFont& font, QPointF origin)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    path.translate(origin - ink.topLeft());
    return path;
}

void drawOutlined(QPainter& painter, const QPainterPath& path, const QBrush& fill, const QColor& outline,
                  qreal outlineWidth)
{
    // Outline first, fill over it: the fill keeps the letters' full shape and the
    // outline shows as a rim of half its width.
    QPen pen(outline, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.strokePath(path, pen);
    painter.fillPath(path, fill);
}

}  // namespace

QImage drawBanner(qreal scale)
{
    const QSize size(515, 99);
    QImage image(size * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // The blues of the main window's gradient where the banner sits, so that
    // the picture blends into the window.
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0.0, QColor(0, 0, 239));
    sky.setColorAt(1.0, QColor(0, 0, 211));
    painter.fillRect(QRect(QPoint(0, 0), size), sky);

    const QFont nameFont = pictureFont(88, true);
    QPainterPath name = textPath(QStringLiteral("Termalo"), nameFont, QPointF(14, 12));

    // A soft shadow below and to the right lifts the letters off the background.
    painter.fillPath(name.translated(5, 5), QColor(0, 0, 60, 160));

    QLinearGradient red(0, name.boundingRect().top(), 0, name.boundingRect().bottom());
    red.setColorAt(0.0, QColor(255, 70, 50));
    red.setColorAt(0.55, QColor(225, 0, 0));
    red.setColorAt(1.0, QColor(150, 0, 0));
    drawOutlined(painter, name, red, QColor(40, 0, 0), 2.0);

    const QFont versionFont = pictureFont(30, true);
    const QRectF nameInk = name.boundingRect();
    QPainterPath version = textPath(QStringLiteral("ver. 1.0"), versionFont, QPointF(0, 0));
    const QRectF versionInk = version.boundingRect();
    version.translate(nameInk.right() + 14, nameInk.bottom() - versionInk.height());
    painter.fillPath(version.translated(2, 2), QColor(0, 0, 60, 160));
    drawOutlined(painter, version, QColor(230, 0, 0), QColor(40, 0, 0), 1.2);
    painter.end();
    return image;
}

QPixmap bannerPixmap()
{
    // Loaded once per run: every window that shows it gets the same picture.
    // The pictures are drawn by drawBanner() ahead of time (tools/pictures):
    // loading them costs a fraction of drawing the large outlined letters.
    const QString key = QStringLiteral("termalo/banner");
    if (QPixmap cached; QPixmapCache::find(key, &cached))
        return cached;
    const bool sharp = qApp && qApp->devicePixelRatio() > 1.0;
    QPixmap pixmap(sharp ? QStringLiteral(":/pictures/banner@2x.png") : QStringLiteral(":/pictures/banner.png"));
    if (pixmap.isNull())
        pixmap = QPixmap::fromImage(drawBanner(sharp ? 2.0 : 1.0));
    pixmap.setDevicePixelRatio(sharp ? 2.0 : 1.0);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QPixmap logoPixmap(LogoColouring colouring)
{
    const QString key = colouring == LogoColouring::Yellow ? QStringLiteral("termalo/logo-yellow")
                                                           : QStringLiteral("termalo/logo-black");
    if (QPixmap cached; QPixmapCache::find(key, &cached))
        return cached;
    const QSize size(129, 25);
    QPixmap pixmap(size);
    pixmap.fill(QColor(192, 192, 192));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    const QColor letters = colouring == LogoColouring::Yellow ? QColor(255, 255, 0) : QColor(0, 0, 0);
    const QColor rim(220, 0, 0);

    QPainterPath name = textPath(QStringLiteral("Termalo"), pictureFont(21, true), QPointF(4, 3));
    drawOutlined(painter, name, letters, rim, 0.9);

    QPainterPath version = textPath(QStringLiteral("ver. 1.0"), pictureFont(9, true), QPointF(0, 0));
    const QRectF nameInk = name.boundingRect();
    const QRectF versionInk = version.boundingRect();
    version.translate(nameInk.right() + 5, nameInk.bottom() - versionInk.height());
    drawOutlined(painter, version, letters, rim, 0.5);
    painter.end();
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

}  // namespace termalo
