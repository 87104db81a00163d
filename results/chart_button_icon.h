#pragma once

#include <QPixmap>

namespace termalo {

// The picture of the indicator screen's chart buttons: a tiny bar chart, 12 x 10.
QPixmap chartButtonPixmap();

}  // namespace termalo
