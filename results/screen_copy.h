#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QMimeData;
class QWidget;

namespace termalo {

// What the indicator screen shows, read from its frames and labels as they
// stand: the header lines (the frames without a title) and one row per
// figure (group = the frame's title, item = the caption beside the figure,
// value = the figure's text exactly as shown).
struct FigureTable {
    QStringList header;
    struct Row {
        QString group;
        QString item;
        QString value;
        QString valueControl;  // the name of the label showing the value
    };
    QList<Row> rows;
};
FigureTable figureTable(const QWidget* window);

// The table as the clipboard carries it: tab-separated plain text and an HTML
// <table>, so that a spreadsheet pastes rows and columns.
QMimeData* figureTableMimeData(const FigureTable& table);

// The lines of text a window shows, read from its labels as they stand: the
// labels of one line from left to right, a wider gap between lines starting a
// new paragraph (an empty line); pictures, buttons and hidden labels left out.
// A line whose labels are all bold is marked so.
struct TextLine {
    QString text;
    bool bold = false;
};
QList<TextLine> shownTextLines(const QWidget* window);

// The lines as plain text and as HTML paragraphs (titled by the first line).
QMimeData* textLinesMimeData(const QList<TextLine>& lines);

}  // namespace termalo
