#pragma once

#include <QPaintDevice>
#include <QString>

#include <functional>
#include <memory>

class QPainter;
class QPrinter;
class QWidget;

namespace termalo {

class FlatteningEngine;

// A paint device that passes everything drawn on it on to a printer's painter,
// except that nothing translucent reaches the printer: a picture with
// transparency is first laid onto what was drawn beneath it and goes to the
// printer opaque; a translucent fill, line or text (a colour with alpha, a
// gradient with translucent stops, the painter's opacity) goes as the opaque
// colours it results in on what lies beneath. Where that is not one colour, a
// fill or line goes as the pixels it results in, clipped to its shape; text
// takes the colour it mostly lies on, so that it stays text.
//
// PostScript has no transparency: a print queue that takes the job through
// PostScript (most office printers, CUPS's PDF printer) turns a whole page with
// one translucent picture or fill into a single bitmap, fonts and lines
// included. The widget style draws its button faces from cached pictures with
// translucent rounded corners and some of its lines in translucent colours, and
// the chart buttons' icons are cut out of a transparent square; flattened, the
// page stays text and lines.
//
// To know what lies beneath, the device keeps its own small raster copy of the
// page at `backdropDpi` (the screen's resolution is enough: the pictures come
// from the screen) and draws everything there as well.
class FlatteningPaintDevice : public QPaintDevice {
public:
    // `target` is an active painter on the printer; its transform and clip are
    // replaced by the ones of the painter on this device.
    FlatteningPaintDevice(QPainter& target, qreal backdropDpi);
    ~FlatteningPaintDevice() override;

    QPaintEngine* paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QPaintDevice* printer_;
    std::unique_ptr<FlatteningEngine> engine_;
};

// One printed page, as "&Drukuj" prints: asks for a printer through the dialogs
// port (over `parent`), names the job `jobName`, and lets `draw` paint through
// a FlatteningPaintDevice whose backdrop has `backdropDpi`. The painter's origin
// is the top left of the drawing area: the paper less what the printer cannot
// reach and the margins chosen in the dialog. Returns false when the user
// cancels (nothing is printed). Throws termalo::Error when the printer cannot
// be used.
bool printOnePage(const QString& jobName, QWidget* parent, qreal backdropDpi,
                  const std::function<void(QPainter& onto, const QPrinter& printer)>& draw);

}  // namespace termalo
