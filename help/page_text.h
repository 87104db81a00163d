#pragma once

#include <QLabel>

namespace termalo::help {

// A label of a methodology page: plain text laid out line by line at the pages'
// fixed pitch of 13 pixels, whatever the font's own line spacing, so that the
// equation numbers stay level with the formula pictures placed beside them.
// Every line break is a line feed of the text (no wrapping); blanks are kept,
// trailing ones included; a tab advances to the next stop, every eight average
// character widths. Sized to its text by adjustSize(); opaque in the window's
// colour.
class PageText : public QLabel {
    Q_OBJECT
public:
    static constexpr int kLineHeight = 13;

    explicit PageText(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    int lineCount() const;
    // Where the characters of line `line` (0-based) stand, in the label's
    // coordinates: one rectangle per run of non-blank characters.
    QList<QRect> inkRuns(int line) const;
    // The x of the first character of `piece` on line `line`, or -1.
    int xOf(int line, const QString& piece) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int advance(const QString& line) const;  // tabs expanded
    int tabWidth() const;
    int baselineOffset() const;
};

}  // namespace termalo::help
