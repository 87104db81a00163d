#include "results/print_flattening.h"

#include "shell/application.h"
#include "shell/dialogs.h"

#include <QHash>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <functional>

namespace termalo {

namespace {

// What an operation uses of the painter's state.
enum class Use { Pen, PenAndBrush, Text };

bool hasTranslucentColour(const QBrush& brush)
{
    switch (brush.style()) {
    case Qt::NoBrush:
        return false;
    case Qt::LinearGradientPattern:
    case Qt::RadialGradientPattern:
    case Qt::ConicalGradientPattern:
        for (const QGradientStop& stop : brush.gradient()->stops())
            if (stop.second.alpha() < 255)
                return true;
        return false;
    case Qt::TexturePattern:
        return brush.textureImage().hasAlphaChannel();
    default:
        return brush.color().alpha() < 255;
    }
}

// `colour` at `opacity` laid onto `under`.
QColor over(const QColor& colour, qreal opacity, const QColor& under)
{
    const qreal a = colour.alphaF() * opacity;
    return QColor::fromRgbF(float(colour.redF() * a + under.redF() * (1 - a)),
                            float(colour.greenF() * a + under.greenF() * (1 - a)),
                            float(colour.blueF() * a + under.blueF() * (1 - a)));
}

// `brush` with `recolour` applied to each of its colours; a texture stays as it is.
template <class Recolour>
QBrush recoloured(const QBrush& brush, Recolour recolour)
{
    switch (brush.style()) {
    case Qt::NoBrush:
    case Qt::TexturePattern:
        return brush;
    case Qt::LinearGradientPattern:
    case Qt::RadialGradientPattern:
    case Qt::ConicalGradientPattern: {
        QGradient gradient = *brush.gradient();
        QGradientStops stops = gradient.stops();
        for (QGradientStop& stop : stops)
            stop.second = recolour(stop.second);
        gradient.setStops(stops);
        QBrush result(gradient);
        result.setTransform(brush.transform());
        return result;
    }
    default: {
        QBrush result = brush;
        result.setColor(recolour(brush.color()));
        return result;
    }
    }
}

// `brush` at `opacity` laid onto a plain `under`: the same brush, opaque.
QBrush over(const QBrush& brush, qreal opacity, const QColor& under)
{
    if (brush.style() != Qt::TexturePattern)
        return recoloured(brush, [&](const QColor& colour) { return over(colour, opacity, under); });
    const QImage texture = brush.textureImage();
    QImage image(texture.size(), QImage::Format_RGB32);
    image.fill(under);
    QPainter painter(&image);
    painter.setOpacity(opacity);
    painter.drawImage(0, 0, texture);
    painter.end();
    QBrush flat(image);
    flat.setTransform(brush.transform());
    return flat;
}

// `brush` with every colour opaque: what the printer's painter holds between
// operations, since a printer may put its state on paper before anything is
// drawn with it.
QBrush opaque(const QBrush& brush)
{
    return recoloured(brush, [](QColor colour) {
        colour.setAlpha(255);
        return colour;
    });
}

QPen opaque(QPen pen)
{
    pen.setBrush(opaque(pen.brush()));
    return pen;
}

}  // namespace

// Forwards every call to two painters: the printer's and the one of the raster
// backdrop, which draws the same page at a lower resolution. The printer never
// gets the painter's opacity; what would be translucent on it is laid onto the
// backdrop first.
class FlatteningEngine : public QPaintEngine {
public:
    FlatteningEngine(QPainter& target, qreal backdropScale)
        : QPaintEngine(featuresOf(target)), target_(target), backdropScale_(backdropScale)
    {
    }

    bool begin(QPaintDevice* device) override
    {
        const QSize size(int(std::ceil(device->width() * backdropScale_)),
                         int(std::ceil(device->height() * backdropScale_)));
        backdrop_ = QImage(size, QImage::Format_RGB32);
        backdrop_.fill(Qt::white);  // the paper
        backdropPainter_.begin(&backdrop_);
        transform_ = QTransform();
        pen_ = QPen();
        brush_ = QBrush();
        opacity_ = 1.0;
        backdropPainter_.setTransform(backdropScaling());
        target_.resetTransform();
        target_.setOpacity(1.0);
        return true;
    }

    bool end() override
    {
        backdropPainter_.end();
        backdrop_ = QImage();
        return true;
    }

    Type type() const override { return User; }

    void updateState(const QPaintEngineState& state) override
    {
        const DirtyFlags flags = state.state();
        if (flags & DirtyTransform)
            transform_ = state.transform();
        if (flags & DirtyPen)
            pen_ = state.pen();
        if (flags & DirtyBrush)
            brush_ = state.brush();
        if (flags & DirtyOpacity)
            opacity_ = state.opacity();
        for (QPainter* painter : {&target_, &backdropPainter_}) {
            // The transform first: a clip is given in the coordinates of the
            // transform that holds when it is set.
            if (flags & DirtyTransform)
                painter->setTransform(painter == &target_ ? transform_ : transform_ * backdropScaling());
            if (flags & DirtyPen)
                painter->setPen(painter == &target_ ? opaque(state.pen()) : state.pen());
            if (flags & DirtyBrush)
                painter->setBrush(painter == &target_ ? opaque(state.brush()) : state.brush());
            if (flags & DirtyBrushOrigin)
                painter->setBrushOrigin(state.brushOrigin());
            if (flags & DirtyFont)
                painter->setFont(state.font());
            if (flags & DirtyBackground)
                painter->setBackground(state.backgroundBrush());
            if (flags & DirtyBackgroundMode)
                painter->setBackgroundMode(state.backgroundMode());
            if (flags & DirtyHints) {
                painter->setRenderHints(painter->renderHints(), false);
                painter->setRenderHints(state.renderHints());
            }
            if (flags & DirtyCompositionMode)
                painter->setCompositionMode(state.compositionMode());
            if ((flags & DirtyOpacity) && painter == &backdropPainter_)
                painter->setOpacity(state.opacity());
            if (flags & DirtyClipPath)
                painter->setClipPath(state.clipPath(), state.clipOperation());
            else if (flags & DirtyClipRegion)
                painter->setClipRegion(state.clipRegion(), state.clipOperation());
            if ((flags & DirtyClipEnabled) && !(flags & (DirtyClipPath | DirtyClipRegion)))
                painter->setClipping(state.isClipEnabled());
        }
    }

    void drawRects(const QRectF* rects, int count) override
    {
        QRectF bounds;
        for (int i = 0; i < count; ++i)
            bounds |= rects[i].normalized();
        drawVector(Use::PenAndBrush, bounds, [&](QPainter& p) { p.drawRects(rects, count); });
    }
    void drawLines(const QLineF* lines, int count) override
    {
        QPolygonF ends;
        for (int i = 0; i < count; ++i)
            ends << lines[i].p1() << lines[i].p2();
        drawVector(Use::Pen, ends.boundingRect(), [&](QPainter& p) { p.drawLines(lines, count); });
    }
    void drawEllipse(const QRectF& rect) override
    {
        drawVector(Use::PenAndBrush, rect.normalized(), [&](QPainter& p) { p.drawEllipse(rect); });
    }
    void drawPath(const QPainterPath& path) override
    {
        drawVector(Use::PenAndBrush, path.controlPointRect(), [&](QPainter& p) { p.drawPath(path); });
    }
    void drawPoints(const QPointF* points, int count) override
    {
        const QRectF bounds = QPolygonF(QList<QPointF>(points, points + count)).boundingRect();
        drawVector(Use::Pen, bounds, [&](QPainter& p) { p.drawPoints(points, count); });
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        const QRectF bounds = QPolygonF(QList<QPointF>(points, points + count)).boundingRect();
        drawVector(mode == PolylineMode ? Use::Pen : Use::PenAndBrush, bounds, [&](QPainter& p) {
            switch (mode) {
            case PolylineMode:
                p.drawPolyline(points, count);
                break;
            case ConvexMode:
                p.drawConvexPolygon(points, count);
                break;
            case OddEvenMode:
            case WindingMode:
                p.drawPolygon(points, count, mode == OddEvenMode ? Qt::OddEvenFill : Qt::WindingFill);
                break;
            }
        });
    }

    void drawTextItem(const QPointF& origin, const QTextItem& item) override
    {
        // The painter on this device has already filled an opaque text
        // background and drawn the decorations through the calls above.
        const qreal height = item.ascent() + item.descent();
        const QRectF bounds(origin.x() - height, origin.y() - item.ascent() - height / 2, item.width() + 2 * height,
                            2 * height);
        drawVector(Use::Text, bounds, [&](QPainter& p) {
            const Qt::BGMode mode = p.backgroundMode();
            p.setBackgroundMode(Qt::TransparentMode);
            p.drawTextItem(origin, item);
            p.setBackgroundMode(mode);
        });
    }

    void drawPixmap(const QRectF& rect, const QPixmap& pixmap, const QRectF& source) override
    {
        if (!pixmap.hasAlphaChannel() && opacity_ >= 1.0) {
            for (QPainter* painter : {&target_, &backdropPainter_})
                painter->drawPixmap(rect, pixmap, source);
            return;
        }
        drawTranslucent(rect, pixmap.toImage(), source);
    }

    void drawImage(const QRectF& rect, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags flags) override
    {
        if (!image.hasAlphaChannel() && opacity_ >= 1.0) {
            for (QPainter* painter : {&target_, &backdropPainter_})
                painter->drawImage(rect, image, source, flags);
            return;
        }
        drawTranslucent(rect, image, source);
    }

private:
    static PaintEngineFeatures featuresOf(QPainter& target)
    {
        // What the printer cannot draw, the painter on this device breaks down
        // before it arrives here, as it would for the printer itself.
        PaintEngineFeatures features;
        const QPaintEngine* engine = target.paintEngine();
        for (unsigned bit = 1; bit != 0; bit <<= 1) {
            const auto feature = PaintEngineFeatures::fromInt(int(bit));
            if (engine && engine->hasFeature(feature))
                features |= feature;
        }
        return features;
    }

    QTransform backdropScaling() const { return QTransform::fromScale(backdropScale_, backdropScale_); }

    bool translucent(const QBrush& brush) const
    {
        return brush.style() != Qt::NoBrush && (opacity_ < 1.0 || hasTranslucentColour(brush));
    }

    // A vector operation. Opaque, it goes to both painters as it is. With a
    // translucent pen or brush (or the painter's opacity), the printer gets the
    // colours that result on what lies beneath, when that is one colour; text
    // takes the colour it mostly lies on, so that it stays text. Anything else
    // reaches the printer as the backdrop's pixels where the operation drew.
    void drawVector(Use use, const QRectF& bounds, const std::function<void(QPainter&)>& draw)
    {
        const bool fills = use == Use::PenAndBrush;
        const bool translucentPen = pen_.style() != Qt::NoPen && translucent(pen_.brush());
        const bool translucentBrush = fills && translucent(brush_);
        if (!translucentPen && !translucentBrush) {
            draw(target_);
            draw(backdropPainter_);
            return;
        }

        // Where the operation draws on the backdrop, and what lies there.
        const QRect area = backdropArea(bounds);
        QImage coverage(area.size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
        coverage.fill(Qt::transparent);
        if (!area.isEmpty()) {
            QPainter painter(&coverage);
            painter.setRenderHints(backdropPainter_.renderHints());
            painter.setTransform(backdropPainter_.transform() * QTransform::fromTranslate(-area.x(), -area.y()));
            if (backdropPainter_.hasClipping())
                painter.setClipPath(backdropPainter_.clipPath());
            painter.setPen(pen_);
            painter.setBrush(fills ? brush_ : QBrush());
            draw(painter);
        }
        QHash<QRgb, int> beneath;
        QRgb mostly = 0;
        for (int y = 0; y < area.height(); ++y) {
            const auto* covered = reinterpret_cast<const QRgb*>(coverage.constScanLine(y));
            const auto* under = reinterpret_cast<const QRgb*>(backdrop_.constScanLine(area.y() + y)) + area.x();
            for (int x = 0; x < area.width(); ++x) {
                if (qAlpha(covered[x]) == 0)
                    continue;
                const int n = ++beneath[under[x]];
                if (n > beneath.value(mostly))
                    mostly = under[x];
            }
        }
        if (beneath.isEmpty()) {
            // Nothing shows (clipped away or fully transparent).
            draw(backdropPainter_);
            return;
        }

        if (beneath.size() == 1 || use == Use::Text) {
            const QColor under = QColor::fromRgb(mostly);
            target_.save();
            QPen pen = pen_;
            pen.setBrush(over(pen_.brush(), opacity_, under));
            target_.setPen(pen);
            target_.setBrush(fills ? over(brush_, opacity_, under) : QBrush());
            draw(target_);
            target_.restore();
            draw(backdropPainter_);
            return;
        }

        draw(backdropPainter_);
        QPainterPath where;
        for (int y = 0; y < area.height(); ++y) {
            const auto* covered = reinterpret_cast<const QRgb*>(coverage.constScanLine(y));
            for (int x = 0; x < area.width(); ++x) {
                if (qAlpha(covered[x]) == 0)
                    continue;
                const int first = x;
                while (x < area.width() && qAlpha(covered[x]) != 0)
                    ++x;
                where.addRect(area.x() + first, area.y() + y, x - first, 1);
            }
        }
        target_.save();
        target_.setRenderHint(QPainter::LosslessImageRendering);
        target_.setTransform(backdropScaling().inverted());
        target_.setClipPath(where.simplified(), Qt::IntersectClip);
        target_.drawImage(area.topLeft(), backdrop_.copy(area));
        target_.restore();
    }

    // The backdrop's pixels that an operation within `bounds` may touch.
    QRect backdropArea(const QRectF& bounds) const
    {
        const QTransform toBackdrop = backdropPainter_.transform();
        qreal margin = 2;
        if (pen_.style() != Qt::NoPen) {
            const qreal width = std::max<qreal>(1, pen_.widthF());
            const qreal scale = pen_.isCosmetic() ? 1.0 : std::sqrt(std::abs(toBackdrop.determinant()));
            margin += 2 * width * scale;  // room for a miter join
        }
        QRectF area = toBackdrop.mapRect(bounds).adjusted(-margin, -margin, margin, margin);
        if (backdropPainter_.hasClipping())
            area &= toBackdrop.mapRect(backdropPainter_.clipBoundingRect()).adjusted(-1, -1, 1, 1);
        return area.toAlignedRect() & backdrop_.rect();
    }

    // The picture laid onto the backdrop where it is drawn, at the picture's
    // own resolution, goes to the printer; the backdrop gets the picture itself.
    void drawTranslucent(const QRectF& rect, const QImage& image, const QRectF& source)
    {
        const QSize size(std::max(1, int(std::ceil(source.width()))), std::max(1, int(std::ceil(source.height()))));
        QImage flat(size, QImage::Format_RGB32);
        {
            QPainter painter(&flat);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            // A pixel of the picture -> the page in this device's coordinates ->
            // the backdrop's pixels.
            const QTransform pictureToPage = QTransform::fromScale(rect.width() / size.width(), rect.height() / size.height())
                                             * QTransform::fromTranslate(rect.x(), rect.y()) * transform_;
            bool invertible = false;
            const QTransform backdropToPicture = (pictureToPage * backdropScaling()).inverted(&invertible);
            if (!invertible)
                return;  // drawn with no extent: nothing shows
            painter.fillRect(flat.rect(), Qt::white);
            painter.setTransform(backdropToPicture);
            painter.drawImage(0, 0, backdrop_);
            painter.resetTransform();
            painter.setOpacity(opacity_);
            painter.drawImage(QRectF(flat.rect()), image, source);
        }
        target_.drawImage(rect, flat);
        backdropPainter_.drawImage(rect, image, source);
    }

    QPainter& target_;
    const qreal backdropScale_;
    QImage backdrop_;
    QPainter backdropPainter_;
    QTransform transform_;
    QPen pen_;
    QBrush brush_;
    qreal opacity_ = 1.0;
};

FlatteningPaintDevice::FlatteningPaintDevice(QPainter& target, qreal backdropDpi)
    : printer_(target.device()),
      engine_(std::make_unique<FlatteningEngine>(target, backdropDpi / target.device()->logicalDpiX()))
{
}

FlatteningPaintDevice::~FlatteningPaintDevice() = default;

QPaintEngine* FlatteningPaintDevice::paintEngine() const
{
    return engine_.get();
}

int FlatteningPaintDevice::metric(PaintDeviceMetric metric) const
{
    // The printer's page, so that everything is laid out as for the printer.
    switch (metric) {
    case PdmWidth:
        return printer_->width();
    case PdmHeight:
        return printer_->height();
    case PdmWidthMM:
        return printer_->widthMM();
    case PdmHeightMM:
        return printer_->heightMM();
    case PdmNumColors:
        return printer_->colorCount();
    case PdmDepth:
        return printer_->depth();
    case PdmDpiX:
        return printer_->logicalDpiX();
    case PdmDpiY:
        return printer_->logicalDpiY();
    case PdmPhysicalDpiX:
        return printer_->physicalDpiX();
    case PdmPhysicalDpiY:
        return printer_->physicalDpiY();
    case PdmDevicePixelRatio:
        return int(printer_->devicePixelRatio());
    case PdmDevicePixelRatioScaled:
        return int(printer_->devicePixelRatio() * devicePixelRatioFScale());
    }
    return 0;
}

bool printOnePage(const QString& jobName, QWidget* parent, qreal backdropDpi,
                  const std::function<void(QPainter& onto, const QPrinter& printer)>& draw)
{
    QPrinter printer(QPrinter::HighResolution);
    // The print queue and a PDF printer name the job.
    printer.setDocName(jobName);
    if (!dialogs().choosePrinter(printer, parent))
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        throw Error(QStringLiteral("Nie można rozpocząć drukowania"));
    {
        FlatteningPaintDevice flattening(painter, backdropDpi);
        QPainter onto(&flattening);
        draw(onto, printer);
    }
    if (!painter.end())
        throw Error(QStringLiteral("Nie można zakończyć drukowania"));
    return true;
}

}  // namespace termalo
