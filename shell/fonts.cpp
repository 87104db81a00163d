#include "shell/painting.h"
#include "shell/platform.h"

#include <QFont>

namespace termalo {

void installFontSubstitutions()
{
    // Liberation Sans is metric-compatible with Arial, so the fixed layouts keep their proportions.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    // The about window's contact button is in a plain serif face.
    QFont::insertSubstitution(QStringLiteral("Roman"), QStringLiteral("Liberation Serif"));
    platform::keepTextWidthsUnrounded();
}

}  // namespace termalo
