#include "chart/chart.h"

namespace termalo::chart {

const std::array<QColor, 16>& defaultPalette()
{
    static const std::array<QColor, 16> colours = {
        QColor(255, 0, 0),     QColor(0, 128, 0),     QColor(255, 255, 0),   QColor(0, 0, 255),
        QColor(255, 255, 255), QColor(128, 128, 128), QColor(255, 0, 255),   QColor(0, 128, 128),
        QColor(0, 0, 128),     QColor(128, 0, 0),     QColor(0, 255, 0),     QColor(128, 128, 0),
        QColor(128, 0, 128),   QColor(192, 192, 192), QColor(0, 255, 255),   QColor(0, 0, 0),
    };
    return colours;
}

QFont pixelFont(const QString& family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QColor Series::pointColour(int i) const
{
    if (i >= 0 && i < points.size() && points[i].colour.isValid())
        return points[i].colour;
    if (colourEachPoint)
        return defaultPalette()[std::size_t(i < 0 ? 0 : i) % defaultPalette().size()];
    return colour;
}

}  // namespace termalo::chart
