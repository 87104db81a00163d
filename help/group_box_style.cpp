#include "help/group_box_style.h"

#include <QApplication>
#include <QGroupBox>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>

namespace termalo::help {

void useEtchedFrame(QGroupBox* box)
{
    // The classic style's group box is exactly that; one instance for the run.
    static QPointer<QStyle> style;
    if (!style) {
        style = QStyleFactory::create(QStringLiteral("Windows"));
        if (style)
            style->setParent(qApp);
    }
    if (style)
        box->setStyle(style);
}

}  // namespace termalo::help
