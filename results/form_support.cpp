#include "results/form_support.h"

#include "shell/registry.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

#include <cmath>

namespace termalo {

namespace {

void convertFont(QWidget* widget)
{
    if (!widget->testAttribute(Qt::WA_SetFont))
        return;
    QFont font = widget->font();
    if (font.pointSizeF() <= 0)
        return;  // already in pixels (inherited from a converted parent)
    font.setPixelSize(static_cast<int>(std::lround(font.pointSizeF() * 96.0 / 72.0)));
    widget->setFont(font);
}

}  // namespace

void applyDesignFonts(QWidget* root)
{
    // Parents first, so children that only inherit see the pixel size already.
    convertFont(root);
    for (QWidget* child : root->findChildren<QWidget*>())
        convertFont(child);
}

void useButtonFaceBackground(QWidget* window)
{
    QPalette palette = window->palette();
    palette.setBrush(QPalette::Window, palette.brush(QPalette::Button));
    window->setPalette(palette);
}

void fitLabelsToText(QWidget* root)
{
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (label->textFormat() == Qt::PlainText && label->frameShape() == QFrame::NoFrame)
            label->adjustSize();
    }
}

QString controlText(const core::Target& target)
{
    QWidget* window = WindowRegistry::find(QString::fromStdString(target.window));
    if (!window)
        return {};
    QWidget* control = window->findChild<QWidget*>(QString::fromStdString(target.control));
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->currentText();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    return {};
}

std::string controlTextUtf8(const core::Target& target)
{
    return controlText(target).toStdString();
}

}  // namespace termalo
