#include "help/page_text.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace termalo::help {

PageText::PageText(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(false);
    setAutoFillBackground(true);
}

int PageText::tabWidth() const
{
    return 8 * std::max(1, fontMetrics().averageCharWidth());
}

int PageText::baselineOffset() const
{
    const QFontMetrics metrics = fontMetrics();
    return metrics.ascent() + std::max(0, (kLineHeight - metrics.height() + 1) / 2);
}

int PageText::advance(const QString& line) const
{
    const QFontMetrics metrics = fontMetrics();
    int x = 0;
    const QStringList pieces = line.split(QLatin1Char('\t'));
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            x = (x / tabWidth() + 1) * tabWidth();
        x += metrics.horizontalAdvance(pieces[i]);
    }
    return x;
}

QSize PageText::sizeHint() const
{
    const QStringList lines = text().split(QLatin1Char('\n'));
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, advance(line));
    return {width, static_cast<int>(lines.size()) * kLineHeight};
}

int PageText::lineCount() const
{
    return static_cast<int>(text().count(QLatin1Char('\n'))) + 1;
}

QList<QRect> PageText::inkRuns(int line) const
{
    const QStringList lines = text().split(QLatin1Char('\n'));
    QList<QRect> runs;
    if (line < 0 || line >= lines.size())
        return runs;
    const QString& full = lines[line];
    qsizetype i = 0;
    while (i < full.size()) {
        if (full[i].isSpace()) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < full.size() && !full[end].isSpace())
            ++end;
        const int left = advance(full.left(i));
        runs.append(QRect(left, line * kLineHeight, advance(full.left(end)) - left, kLineHeight));
        i = end;
    }
    return runs;
}

int PageText::xOf(int line, const QString& piece) const
{
    const QStringList lines = text().split(QLatin1Char('\n'));
    if (line < 0 || line >= lines.size())
        return -1;
    const qsizetype at = lines[line].indexOf(piece);
    return at < 0 ? -1 : advance(lines[line].left(at));
}

void PageText::paintEvent(QPaintEvent*)
{
    // The background is filled by the widget itself (opaque label).
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.setFont(font());
    const QFontMetrics metrics = fontMetrics();
    const QStringList lines = text().split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int baseline = static_cast<int>(i) * kLineHeight + baselineOffset();
        if (baseline - metrics.ascent() > height())
            break;
        int x = 0;
        const QStringList pieces = lines[i].split(QLatin1Char('\t'));
        for (qsizetype j = 0; j < pieces.size(); ++j) {
            if (j > 0)
                x = (x / tabWidth() + 1) * tabWidth();
            painter.drawText(QPoint(x, baseline), pieces[j]);
            x += metrics.horizontalAdvance(pieces[j]);
        }
    }
}

}  // namespace termalo::help
