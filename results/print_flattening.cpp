#include "results/print_flattening.h"

#include <QPaintEngine>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace termalo {

// Forwards every call to two painters: the printer's and the one of the raster
// backdrop, which draws the same page at a lower resolution.
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
        backdropPainter_.setTransform(backdropScaling());
        target_.resetTransform();
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
        for (QPainter* painter : {&target_, &backdropPainter_}) {
            // The transform first: a clip is given in the coordinates of the
            // transform that holds when it is set.
            if (flags & DirtyTransform)
                painter->setTransform(painter == &target_ ? transform_ : transform_ * backdropScaling());
            if (flags & DirtyPen)
                painter->setPen(state.pen());
            if (flags & DirtyBrush)
                painter->setBrush(state.brush());
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
            if (flags & DirtyOpacity)
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
        for (QPainter* painter : {&target_, &backdropPainter_})
            painter->drawRects(rects, count);
    }
    void drawLines(const QLineF* lines, int count) override
    {
        for (QPainter* painter : {&target_, &backdropPainter_})
            painter->drawLines(lines, count);
    }
    void drawEllipse(const QRectF& rect) override
    {
        for (QPainter* painter : {&target_, &backdropPainter_})
            painter->drawEllipse(rect);
    }
    void drawPath(const QPainterPath& path) override
    {
        for (QPainter* painter : {&target_, &backdropPainter_})
            painter->drawPath(path);
    }
    void drawPoints(const QPointF* points, int count) override
    {
        for (QPainter* painter : {&target_, &backdropPainter_})
            painter->drawPoints(points, count);
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        for (QPainter* painter : {&target_, &backdropPainter_}) {
            switch (mode) {
            case PolylineMode:
                painter->drawPolyline(points, count);
                break;
            case ConvexMode:
                painter->drawConvexPolygon(points, count);
                break;
            case OddEvenMode:
            case WindingMode:
                painter->drawPolygon(points, count, mode == OddEvenMode ? Qt::OddEvenFill : Qt::WindingFill);
                break;
            }
        }
    }

    void drawTextItem(const QPointF& origin, const QTextItem& item) override
    {
        // The painter on this device has already filled an opaque text
        // background and drawn the decorations through the calls above.
        for (QPainter* painter : {&target_, &backdropPainter_}) {
            const Qt::BGMode mode = painter->backgroundMode();
            painter->setBackgroundMode(Qt::TransparentMode);
            painter->drawTextItem(origin, item);
            painter->setBackgroundMode(mode);
        }
    }

    void drawPixmap(const QRectF& rect, const QPixmap& pixmap, const QRectF& source) override
    {
        if (!pixmap.hasAlphaChannel()) {
            for (QPainter* painter : {&target_, &backdropPainter_})
                painter->drawPixmap(rect, pixmap, source);
            return;
        }
        drawTranslucent(rect, pixmap.toImage(), source);
    }

    void drawImage(const QRectF& rect, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags flags) override
    {
        if (!image.hasAlphaChannel()) {
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

}  // namespace termalo
