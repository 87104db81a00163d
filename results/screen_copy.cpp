#include "results/screen_copy.h"

#include <QFrame>
#include <QLabel>
#include <QMimeData>

#include <algorithm>

namespace termalo {
namespace {

// Labels whose tops lie this close stand on one line.
constexpr int kSameLine = 3;
// A gap between the tops of two lines wider than this starts a new paragraph.
constexpr int kParagraphGap = 30;

struct Placed {
    QRect rect;  // in the window's coordinates
    const QLabel* label;
};

QRect rectIn(const QWidget* window, const QWidget* widget)
{
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

// The labels that show a text: visible, no picture.
QList<Placed> shownLabels(const QWidget* window)
{
    QList<Placed> labels;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->isVisibleTo(window) && label->pixmap().isNull())
            labels.append({rectIn(window, label), label});
    }
    return labels;
}

// `labels` in lines from top to bottom, each line from left to right.
QList<QList<Placed>> inLines(QList<Placed> labels)
{
    std::sort(labels.begin(), labels.end(), [](const Placed& a, const Placed& b) {
        return a.rect.top() != b.rect.top() ? a.rect.top() < b.rect.top() : a.rect.left() < b.rect.left();
    });
    QList<QList<Placed>> lines;
    for (const Placed& placed : labels) {
        if (lines.isEmpty() || placed.rect.top() - lines.last().first().rect.top() > kSameLine)
            lines.append(QList<Placed>());
        lines.last().append(placed);
    }
    for (QList<Placed>& line : lines) {
        std::sort(line.begin(), line.end(),
                  [](const Placed& a, const Placed& b) { return a.rect.left() < b.rect.left(); });
    }
    return lines;
}

// The texts of a line's labels as one text: a blank between two fragments
// unless one of them brings its own or the second starts with a punctuation
// mark; runs of blanks become one.
QString joined(const QList<Placed>& line)
{
    QString text;
    for (const Placed& placed : line) {
        const QString part = placed.label->text();
        if (part.isEmpty())
            continue;
        const bool glued = text.isEmpty() || text.back().isSpace() || part.front().isSpace() ||
                           QStringLiteral(",.;:!?)").contains(part.front());
        if (!glued)
            text += QLatin1Char(' ');
        text += part;
    }
    return text.simplified();
}

// One cell of tab-separated text: tabs and line breaks would start another.
QString cell(QString text)
{
    for (QChar& c : text) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    }
    return text;
}

QString htmlPage(const QString& title, const QString& body)
{
    return QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1</title></head>\n"
                          "<body>\n%2</body></html>\n")
        .arg(title.toHtmlEscaped(), body);
}

// The program's frames around groups of labels: the innermost ones (a frame
// around the whole page holds no group of its own).
QList<QRect> groupFrames(const QWidget* window)
{
    QList<QRect> frames;
    for (const QFrame* frame : window->findChildren<QFrame*>()) {
        if (frame->objectName().startsWith(QLatin1String("Bevel")) && !qobject_cast<const QLabel*>(frame))
            frames.append(rectIn(window, frame));
    }
    QList<QRect> innermost;
    for (const QRect& frame : frames) {
        const bool holdsAnother = std::any_of(frames.cbegin(), frames.cend(), [&](const QRect& other) {
            return other != frame && frame.contains(other);
        });
        if (!holdsAnother)
            innermost.append(frame);
    }
    return innermost;
}

}  // namespace

FigureTable figureTable(const QWidget* window)
{
    struct Group {
        QRect frame;
        QList<Placed> titles;  // lying across the frame's upper edge
        QList<Placed> inside;
    };
    QList<Group> groups;
    for (const QRect& frame : groupFrames(window))
        groups.append({frame, {}, {}});
    for (const Placed& placed : shownLabels(window)) {
        const QRect& r = placed.rect;
        for (Group& group : groups) {
            const QRect& f = group.frame;
            if (r.left() < f.left() || r.left() > f.right())
                continue;
            if (r.top() < f.top() && r.bottom() >= f.top()) {
                group.titles.append(placed);
                break;
            }
            if (r.top() >= f.top() && r.top() <= f.bottom()) {
                group.inside.append(placed);
                break;
            }
        }
    }

    FigureTable table;
    // The header reads from top to bottom, the groups column by column.
    std::sort(groups.begin(), groups.end(), [](const Group& a, const Group& b) {
        const bool headerA = a.titles.isEmpty();
        const bool headerB = b.titles.isEmpty();
        if (headerA != headerB)
            return headerA;
        const QPoint pa = a.frame.topLeft();
        const QPoint pb = b.frame.topLeft();
        if (headerA)
            return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
        return pa.x() != pb.x() ? pa.x() < pb.x() : pa.y() < pb.y();
    });
    for (const Group& group : groups) {
        if (group.titles.isEmpty()) {
            for (const QList<Placed>& line : inLines(group.inside)) {
                const QString text = joined(line);
                if (!text.isEmpty())
                    table.header.append(text);
            }
            continue;
        }
        QStringList title;
        for (const QList<Placed>& line : inLines(group.titles))
            title.append(joined(line));
        bool figureSeen = false;
        for (const QList<Placed>& line : inLines(group.inside)) {
            if (line.size() < 2) {
                // A caption's second line continues the title; a lone line
                // between figures ("w tym:") only introduces the next ones.
                if (!figureSeen)
                    title.append(joined(line));
                continue;
            }
            figureSeen = true;
            const QString value = line.last().label->text();
            table.rows.append({title.join(QLatin1Char(' ')).simplified(), joined(line.first(line.size() - 1)), value,
                               line.last().label->objectName()});
        }
    }
    return table;
}

QMimeData* figureTableMimeData(const FigureTable& table)
{
    const QStringList headings = {QStringLiteral("Grupa wskaźników"), QStringLiteral("Pozycja"),
                                  QStringLiteral("Wartość")};
    QString text;
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">\n");
    for (const QString& line : table.header) {
        text += cell(line) + QLatin1Char('\n');
        html += QStringLiteral("<tr><td colspan=\"3\">%1</td></tr>\n").arg(line.toHtmlEscaped());
    }
    if (!table.header.isEmpty()) {
        text += QLatin1Char('\n');
        html += QStringLiteral("<tr><td colspan=\"3\"></td></tr>\n");
    }
    text += headings.join(QLatin1Char('\t')) + QLatin1Char('\n');
    html += QStringLiteral("<tr><th>%1</th><th>%2</th><th>%3</th></tr>\n").arg(headings[0], headings[1], headings[2]);
    for (const FigureTable::Row& row : table.rows) {
        text += cell(row.group) + QLatin1Char('\t') + cell(row.item) + QLatin1Char('\t') + cell(row.value) +
                QLatin1Char('\n');
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>\n")
                    .arg(row.group.toHtmlEscaped(), row.item.toHtmlEscaped(), row.value.toHtmlEscaped());
    }
    html += QStringLiteral("</table>\n");

    auto* data = new QMimeData;
    data->setText(text);
    data->setHtml(htmlPage(table.header.value(0), html));
    return data;
}

QList<TextLine> shownTextLines(const QWidget* window)
{
    QList<TextLine> lines;
    int previousTop = 0;
    for (const QList<Placed>& line : inLines(shownLabels(window))) {
        const QString text = joined(line);
        if (text.isEmpty())
            continue;
        const int top = line.first().rect.top();
        if (!lines.isEmpty() && top - previousTop > kParagraphGap)
            lines.append(TextLine());
        previousTop = top;
        const bool bold = std::all_of(line.cbegin(), line.cend(), [](const Placed& p) {
            return p.label->text().isEmpty() || p.label->font().bold();
        });
        lines.append({text, bold});
    }
    return lines;
}

QMimeData* textLinesMimeData(const QList<TextLine>& lines)
{
    QString text;
    QString html = QStringLiteral("<p>");
    bool paragraphEmpty = true;
    for (const TextLine& line : lines) {
        text += line.text + QLatin1Char('\n');
        if (line.text.isEmpty()) {
            html += QStringLiteral("</p>\n<p>");
            paragraphEmpty = true;
            continue;
        }
        if (!paragraphEmpty)
            html += QStringLiteral("<br>\n");
        const QString escaped = line.text.toHtmlEscaped();
        html += line.bold ? QStringLiteral("<b>%1</b>").arg(escaped) : escaped;
        paragraphEmpty = false;
    }
    html += QStringLiteral("</p>\n");

    auto* data = new QMimeData;
    data->setText(text);
    data->setHtml(htmlPage(lines.isEmpty() ? QString() : lines.first().text, html));
    return data;
}

}  // namespace termalo
