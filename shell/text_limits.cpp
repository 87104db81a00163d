#include "shell/text_limits.h"

namespace termalo {

QString visiblePart(const QString& text)
{
    if (text.size() <= kMaxShownCharacters)
        return text;
    qsizetype cut = kMaxShownCharacters;
    if (text.at(cut - 1).isHighSurrogate())
        --cut;  // never half a character
    return text.left(cut) + QChar(0x2026);
}

QString shownPrefix(const QString& text)
{
    if (text.size() <= kMaxShownCharacters + 1)
        return text;
    return text.left(kMaxShownCharacters + 1);
}

}  // namespace termalo
