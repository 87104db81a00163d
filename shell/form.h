#pragma once

#include <QPoint>
#include <QWidget>

class QLabel;
class QTimer;

namespace termalo {

// The base of every window of the program. A window class calls its layout's
// setupUi() and then setUpForm() in its constructor, and keeps only what is its
// own. Its documented handlers are public slots named after a control and an
// event; the registry wires them when the window joins it (see wireHandlers()):
//
//     class TForm5 : public termalo::Form {
//         Q_OBJECT
//     public slots:
//         void FormActivate();   // run by the registry's activation tracking
//         void Button1Click();   // Button1's clicked()
//     };
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    // Connects every public slot without parameters named <Control><Event> to
    // that control's signal, each call guarded by the error box:
    //     <Name>Click  -> clicked() of the button <Name>
    //     <Name>Timer  -> timeout() of the timer <Name> (see addTimer())
    // FormActivate, FormPaint and FormClose belong to the window itself and are
    // run by the registry, paintEvent() and closeEvent(). A slot whose control
    // does not exist is a fault in the program (see reportMissingControl()).
    // Runs once: the registry calls it when the window is added, when the most
    // derived class's slots are known; later calls do nothing.
    void wireHandlers();
    bool handlersWired() const { return wired_; }

    // Where the window's frame appears the first time it is shown; without
    // one, the window opens in the middle of the screen.
    void setFirstPosition(QPoint topLeft);

protected:
    enum class Background {
        ButtonFace,  // the system's button-face colour
        Painted,     // the window paints its own (FormPaint)
    };
    struct Look {
        Background background = Background::ButtonFace;
        // Plain, frameless labels take the size of their text; with a height,
        // only their width follows the text.
        bool fitLabels = true;
        int labelHeight = 0;
        // Image1 shows the black logo and Image2 the yellow one.
        bool logos = false;
    };

    // The shared set-up, after setupUi(): font sizes of the layout (points at
    // 96 dpi) in pixels and the background at once; labels sized to their texts
    // and the logos when the window is first shown (see firstShow()).
    void setUpForm(const Look& look);
    void setUpForm() { setUpForm(Look{}); }

    // A running timer owned by the window, named `name`, whose timeout is
    // wired to the slot <name>Timer.
    QTimer* addTimer(const QString& name, int intervalMs);

    // The clock panels of the footers: the time in the regional long format and
    // the date as dd.mm.yyyy, from the clock port.
    static void showClock(QLabel* timePanel, QLabel* datePanel);

    // Keeps every plain label inside the innermost frame (bevel) it starts in,
    // condensing its letters where the text is wider than the room up to the
    // frame's right edge; positions stay. Call again for a label whose text changed.
    void keepLabelsInsideFrames();
    void keepInsideFrame(QLabel* label);

    // What only a shown window needs, done once before it first appears, so
    // that start-up creates every window cheaply: the shared part of the look,
    // then firstShow(). Runs by itself at the first show; call it to get a
    // hidden window's final layout.
    void prepareForShow();
    // A window's own last touches before it first appears (after the labels
    // took the size of their texts).
    virtual void firstShow() {}

    // Runs the slot FormPaint() when the class has one, guarded by the error box.
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool wired_ = false;
    bool prepared_ = false;
    Look look_;
};

// Shared set-up pieces, for windows and widgets that are not Forms.
// The layouts keep font sizes in points at 96 dpi (8 pt = 11 px). Turns every
// explicitly set point size under `root` (root included) into that pixel size,
// so the windows look the same whatever the screen's resolution.
void applyDesignFonts(QWidget* root);
// The window background in the system's button-face colour.
void useButtonFaceBackground(QWidget* window);
// Sizes every plain-text, frameless label under `root` to its text, as
// auto-sized labels do; with `height` > 0 only the width follows the text.
void fitLabelsToText(QWidget* root, int height = 0);
// Condenses `label`'s font horizontally until its text fits `room` pixels
// (never below 60 % of the normal width), from the font it was laid out with,
// and sizes the label to its text; positions stay.
void condenseToFit(QLabel* label, int room);

}  // namespace termalo
