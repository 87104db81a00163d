#include "shell/message_box.h"

namespace termalo {
namespace {

QMessageBox::Icon toMessageBoxIcon(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Information: return QMessageBox::Information;
    case Dialogs::Icon::Stop: return QMessageBox::Critical;
    case Dialogs::Icon::Question: return QMessageBox::Question;
    case Dialogs::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

std::unique_ptr<QMessageBox> makeMessageBox(const QString& caption, const QString& text, Dialogs::Icon icon)
{
    return std::make_unique<QMessageBox>(toMessageBoxIcon(icon), caption, text, QMessageBox::Ok);
}

std::unique_ptr<QMessageBox> makeQuestionBox(const QString& caption, const QString& text)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Question, caption, text,
                                             QMessageBox::Yes | QMessageBox::No);
    box->setDefaultButton(QMessageBox::Yes);
    return box;
}

}  // namespace termalo
