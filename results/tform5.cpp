#include "results/tform5.h"

#include "core/report.h"
#include "shell/controls.h"
#include "results/screen_copy.h"
#include "results/window_printing.h"
#include "shell/application.h"
#include "shell/context_menu.h"
#include "shell/painting.h"
#include "shell/registry.h"
#include "shell/text_limits.h"
#include "ui_tform5.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QSet>

#include <algorithm>

TForm5::TForm5(QWidget* parent) : Form(parent), ui(std::make_unique<Ui::TForm5>())
{
    ui->setupUi(this);
    setUpForm({.logos = true});

    // A value longer than the room the layout leaves for it runs over the text
    // beside it; it is drawn on top, on the window's colour, so it stays legible.
    for (const termalo::core::ReportSlot& slot : termalo::core::reportSlots()) {
        if (auto* label = findChild<QLabel*>(QString::fromLatin1(slot.slot))) {
            label->setAutoFillBackground(true);
            label->raise();
        }
    }

    // The report's text as it reads, for a mail or a document.
    QAction* copy = termalo::addCopyAction(this, QStringLiteral("&Kopiuj"), [this] {
        QGuiApplication::clipboard()->setMimeData(termalo::textLinesMimeData(termalo::shownTextLines(this)));
    });
    termalo::offerWindowMenu(this, [copy] { return QList<QAction*>{copy}; });
}

TForm5::~TForm5() = default;

void TForm5::firstShow()
{
    fitFragmentsToTheirRoom();
}

// The fragments were laid out for a narrower screen font than Liberation Sans:
// a fragment wider than the room up to the next item of its row (or the frame's
// right edge) is condensed horizontally until it fits, so no sentence runs
// under the next one. Heights and positions stay as laid out.
void TForm5::fitFragmentsToTheirRoom()
{
    QSet<QString> slotNames;
    for (const termalo::core::ReportSlot& slot : termalo::core::reportSlots())
        slotNames.insert(QString::fromLatin1(slot.slot));

    QList<QLabel*> labels;
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->pixmap().isNull() && !label->text().isEmpty() && label->y() >= 100)
            labels.append(label);
    }
    const int rightEdge = ui->Bevel1->geometry().right() - 4;
    for (QLabel* label : labels) {
        if (slotNames.contains(label->objectName()))
            continue;
        int room = rightEdge - label->x();
        for (QLabel* other : labels) {
            if (other != label && other->y() == label->y() && other->x() > label->x())
                room = std::min(room, other->x() - label->x() - 2);
        }
        termalo::condenseToFit(label, room);
    }
}

void TForm5::FormActivate()
{
    const auto texts = termalo::core::composeReport(&termalo::shownTextUtf8);
    for (const auto& [slot, text] : texts) {
        if (auto* label = findChild<QLabel*>(QString::fromStdString(slot))) {
            // Values grow to the right from where the layout puts them; nothing moves.
            label->setText(termalo::visiblePart(QString::fromStdString(text)));
            label->adjustSize();
        }
    }
}

void TForm5::Button1Click()
{
    termalo::closeForm(this);
}

void TForm5::Button2Click()
{
    termalo::printWindowImage(this);
}
