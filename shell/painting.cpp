#include "shell/painting.h"

#include "chart/device_picture.h"

#include <QGuiApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPixmapCache>
#include <QResource>

#include <cstring>

#include <algorithm>

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

// The banner's red letters: light at the top of `letters`, dark at the bottom.
QLinearGradient bannerRed(const QRectF& letters)
{
    QLinearGradient red(0, letters.top(), 0, letters.bottom());
    red.setColorAt(0.0, QColor(255, 70, 50));
    red.setColorAt(0.55, QColor(225, 0, 0));
    red.setColorAt(1.0, QColor(150, 0, 0));
    return red;
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

qreal pictureRatio(qreal ratio)
{
    if (ratio > 0)
        return ratio;
    return qGuiApp ? std::max<qreal>(1.0, qGuiApp->devicePixelRatio()) : 1.0;
}

// A picture of `size` layout pixels with `ratio` device pixels per pixel;
// painting on it uses layout pixels.
QPixmap picture(QSize size, qreal ratio)
{
    QPixmap pixmap(chart::deviceSize(size, ratio));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QString pictureKey(const char* name, qreal ratio)
{
    return QStringLiteral("termalo/%1@%2").arg(QString::fromLatin1(name)).arg(ratio);
}

}  // namespace

QImage drawBanner(qreal scale)
{
    const QSize size(515, 99);
    QImage image(chart::deviceSize(size, scale), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // The blues of the main window's gradient where the banner sits, so that
    // the picture blends into the window; to the last device pixel.
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0.0, QColor(0, 0, 239));
    sky.setColorAt(1.0, QColor(0, 0, 211));
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(image.size()) / scale), sky);

    const QFont nameFont = pictureFont(88, true);
    QPainterPath name = textPath(QStringLiteral("Termalo"), nameFont, QPointF(14, 12));

    // A soft shadow below and to the right lifts the letters off the background.
    painter.fillPath(name.translated(5, 5), QColor(0, 0, 60, 160));

    drawOutlined(painter, name, bannerRed(name.boundingRect()), QColor(40, 0, 0), 2.0);

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
    // At one and two device pixels per pixel the banner is drawn by
    // drawBanner() ahead of time (tools/pictures) and kept as raw pixels in
    // the program: showing it then costs neither the drawing of the large
    // outlined letters nor an image decoder. At any other scale it is drawn
    // for that scale, as a picture enlarged or reduced is never sharp.
    const qreal scale = pictureRatio(0);
    const QString key = pictureKey("banner", scale);
    if (QPixmap cached; QPixmapCache::find(key, &cached))
        return cached;
    QImage image;
    if (scale == 1.0 || scale == 2.0)
        image = rawPicture(scale == 2.0 ? QStringLiteral(":/pictures/banner@2x.raw") : QStringLiteral(":/pictures/banner.raw"));
    if (image.isNull())
        image = drawBanner(scale);
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(scale);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QByteArray rawPictureData(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    QByteArray data;
    const quint32 size[2] = {quint32(image.width()), quint32(image.height())};
    data.append(reinterpret_cast<const char*>(size), sizeof size);
    for (int y = 0; y < image.height(); ++y)
        data.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4);
    return data;
}

QImage rawPicture(const QString& resource)
{
    const QResource file(resource);
    // Stored uncompressed: the pixels are read in place.
    if (!file.isValid() || file.compressionAlgorithm() != QResource::NoCompression
        || file.size() < qint64(2 * sizeof(quint32)))
        return {};
    quint32 size[2];
    std::memcpy(size, file.data(), sizeof size);
    const qint64 bytes = qint64(size[0]) * size[1] * 4;
    if (size[0] == 0 || size[1] == 0 || file.size() != qint64(sizeof size) + bytes)
        return {};
    return QImage(file.data() + sizeof size, int(size[0]), int(size[1]), int(size[0]) * 4,
                  QImage::Format_RGB32);
}

QPixmap logoPixmap(LogoColouring colouring, qreal ratio)
{
    ratio = pictureRatio(ratio);
    const QString key = pictureKey(colouring == LogoColouring::Yellow ? "logo-yellow" : "logo-black", ratio);
    if (QPixmap cached; QPixmapCache::find(key, &cached))
        return cached;
    const QSize size(129, 25);
    QPixmap pixmap = picture(size, ratio);
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

void paintProgramIcon(QPainter& painter, const QRectF& square)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(square.topLeft());
    const qreal side = std::min(square.width(), square.height());
    painter.scale(side / 256.0, side / 256.0);  // drawn on a 256 x 256 grid

    // The banner's blue, rounded like the desktop's application icons.
    const QRectF tile(8, 8, 240, 240);
    QLinearGradient sky(0, tile.top(), 0, tile.bottom());
    sky.setColorAt(0.0, QColor(0, 0, 250));
    sky.setColorAt(1.0, QColor(0, 0, 150));
    QPainterPath rounded;
    rounded.addRoundedRect(tile, 44, 44);
    painter.fillPath(rounded, sky);
    painter.strokePath(rounded, QPen(QColor(0, 0, 90), 6));

    // The banner's letter: red italic with a dark rim and a soft shadow.
    QPainterPath letter = textPath(QStringLiteral("T"), pictureFont(220, true), QPointF(0, 0));
    const QRectF ink = letter.boundingRect();
    letter.translate(tile.center() - ink.center() + QPointF(-4, -4));
    painter.fillPath(letter.translated(10, 10), QColor(0, 0, 40, 170));
    drawOutlined(painter, letter, bannerRed(letter.boundingRect()), QColor(40, 0, 0), 5.0);
    painter.restore();
}

namespace {

// Draws the icon at whatever size is asked for, so every size is sharp.
class ProgramIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode /*mode*/, QIcon::State /*state*/) override
    {
        paintProgramIcon(*painter, rect);
    }
    QIconEngine* clone() const override { return new ProgramIconEngine; }
    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override
    {
        QList<QSize> sizes;
        for (int side : {16, 22, 24, 32, 48, 64, 128, 256})
            sizes.append(QSize(side, side));
        return sizes;
    }
};

}  // namespace

QIcon programIcon()
{
    return QIcon(new ProgramIconEngine);
}

}  // namespace termalo
