#include "shell/painting.h"

#include <QFont>

namespace termalo {

void installFontSubstitutions()
{
    // Liberation Sans is metric-compatible with Arial, so the fixed layouts keep their proportions.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

}  // namespace termalo
