#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

namespace termalo::help {

// The methodology browser as data: the chains of pages that the menu opens and,
// for every page, its window, group box, buttons, labels and formula pictures.
// One page mechanism (MethodologyPage) builds every page from this table and
// the labels' texts.

inline constexpr int kButtonHeight = 25;

// What a page button does when clicked.
enum class Does {
    Show,   // shows the one window listed
    Close,  // closes the windows listed, in that order
};

struct PageButton {
    QString caption;
    QRect geometry;  // relative to the group box
    Does does;
    QStringList windows;
};

// A label's lines are kept apart from the layout, in a text file of its own
// (see labelText).
struct PageLabel {
    QString name;
    QPoint position;  // relative to the group box
};

struct PagePicture {
    QString name;
    QPoint position;  // relative to the group box
    int formula;      // the formula's number; 0 leaves the picture empty
};

struct PageLayout {
    QString name;      // the window's name, "Form17"
    QRect frame;       // screen position and outer size of the window when first shown
    QString caption;   // window caption
    QRect groupBox;    // GroupBox1, relative to the client area
    QString groupCaption;
    std::vector<PageButton> buttons;  // Button1, Button2
    std::vector<PageLabel> labels;
    std::vector<PagePicture> pictures;
};

// One chain per indicator of the menu, in the menu's order (Button1 ... Button7).
struct Chain {
    QString indicator;
    QStringList pages;  // in reading order; the menu shows the first
};

const std::vector<Chain>& chains();
const std::vector<PageLayout>& pageLayouts();
// The page `name`; throws std::out_of_range for a name that is not a page.
const PageLayout& pageLayout(const QString& name);

// Where the text of `label` on `page` is kept: a UTF-8 file compiled in from
// resources/help/<page>/<label>.txt, one line of the label per line of the
// file, blanks and tabs as they stand, each line ended by a line feed.
QString labelTextPath(const QString& page, const QString& label);
// That text, its lines joined by single line feeds (no line feed after the
// last). Throws std::runtime_error when the file is missing or not UTF-8.
QString labelText(const QString& page, const QString& label);

}  // namespace termalo::help
