#include "shell/text_boundaries.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace termalo {

namespace {

// Characters looked at around a position when finding a whole character.
constexpr qsizetype kCharacterWindow = 64;

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c.isMark() || c == QLatin1Char('_');
}

qsizetype wordEnd(QStringView text, qsizetype position)
{
    qsizetype i = position;
    while (i < text.size() && isWordCharacter(text.at(i)))
        ++i;
    return i;
}

}  // namespace

qsizetype safeBoundary(QStringView text, qsizetype position)
{
    if (position > 0 && position < text.size() && text.at(position).isLowSurrogate()
        && text.at(position - 1).isHighSurrogate())
        return position - 1;
    return position;
}

qsizetype nextCharacter(QStringView text, qsizetype position)
{
    if (position >= text.size())
        return text.size();
    const qsizetype end = std::min(text.size(), position + kCharacterWindow);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text.data() + position, end - position);
    finder.setPosition(0);
    const qsizetype next = finder.toNextBoundary();
    if (next > 0)
        return position + next;
    return safeBoundary(text, end) > position ? safeBoundary(text, end) : end;
}

qsizetype previousCharacter(QStringView text, qsizetype position)
{
    if (position <= 0)
        return 0;
    qsizetype start = std::max<qsizetype>(0, position - kCharacterWindow);
    if (start > 0 && text.at(start).isLowSurrogate())
        ++start;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text.data() + start, position - start);
    finder.setPosition(position - start);
    const qsizetype previous = finder.toPreviousBoundary();
    return previous >= 0 && start + previous < position ? start + previous : safeBoundary(text, position - 1);
}

qsizetype nextWord(QStringView text, qsizetype position)
{
    qsizetype i = wordEnd(text, position);
    while (i < text.size() && !isWordCharacter(text.at(i)))
        ++i;
    return i;
}

qsizetype previousWord(QStringView text, qsizetype position)
{
    qsizetype i = position;
    while (i > 0 && !isWordCharacter(text.at(i - 1)))
        --i;
    while (i > 0 && isWordCharacter(text.at(i - 1)))
        --i;
    return i;
}

TextRange wordAt(QStringView text, qsizetype position)
{
    qsizetype at = position;
    if (at == text.size() && at > 0)
        at = previousCharacter(text, at);
    if (at >= text.size())
        return {at, nextCharacter(text, at)};
    const QChar c = text.at(at);
    if (!isWordCharacter(c) && !c.isSpace())
        return {at, nextCharacter(text, at)};
    const auto same = [&c](QChar other) {
        return isWordCharacter(c) ? isWordCharacter(other) : other.isSpace();
    };
    qsizetype from = at;
    while (from > 0 && same(text.at(from - 1)))
        --from;
    qsizetype to = at;
    while (to < text.size() && same(text.at(to)))
        ++to;
    return {from, to};
}

}  // namespace termalo
