#include "help/methodology_page.h"

#include "help/formula_pictures.h"
#include "help/group_box_style.h"
#include "help/methodology_pages.h"
#include "help/page_text.h"
#include "shell/registry.h"

#include <QCloseEvent>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace termalo::help {

using namespace Qt::StringLiterals;

namespace {

// The page layouts give the outer size of each window, frame and caption included,
// for a frame of 4 pixels all round under a caption of 19.
constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 27;

template <class T>
T* child(QWidget* parent, const QString& name)
{
    return parent->findChild<T*>(name, Qt::FindDirectChildrenOnly);
}

// The page texts are condensed a little: the hand-justified lines were laid out
// for a narrower font than the one that stands in for it, and must stay inside
// their group box and clear of the buttons.
constexpr int kTextStretch = 95;

QLabel* makeLabel(QGroupBox* box, const QString& name)
{
    auto* label = new PageText(box);
    label->setObjectName(name);
    QFont font = label->font();
    font.setStretch(kTextStretch);
    label->setFont(font);
    return label;
}

}  // namespace

MethodologyPage::MethodologyPage(QWidget* parent) : Form(parent)
{
    QFont font(u"MS Sans Serif"_s);
    font.setPixelSize(11);  // 8 points at 96 dpi
    setFont(font);
    groupBox_ = new QGroupBox(this);
    groupBox_->setObjectName(u"GroupBox1"_s);
    useEtchedFrame(groupBox_);
    setUpForm({.background = Background::ButtonFace, .fitLabels = false});
}

MethodologyPage::~MethodologyPage() = default;

void MethodologyPage::usePage(const QString& name)
{
    const PageLayout& page = pageLayout(name);
    layout_ = &page;
    setObjectName(page.name);
    setWindowTitle(page.caption);
    resize(page.frame.width() - kFrameWidth, page.frame.height() - kFrameHeight);
    setFirstPosition(page.frame.topLeft());
    groupBox_->setGeometry(page.groupBox);
    groupBox_->setTitle(page.groupCaption);

    for (const PageLabel& item : page.labels) {
        QLabel* label = child<QLabel>(groupBox_, item.name);
        if (!label)
            label = makeLabel(groupBox_, item.name);
        label->move(item.position);
        label->setText(labelText(page.name, item.name));
    }
    for (const PagePicture& item : page.pictures) {
        QLabel* picture = child<QLabel>(groupBox_, item.name);
        if (!picture) {
            picture = new QLabel(groupBox_);
            picture->setObjectName(item.name);
        }
        picture->setGeometry(QRect(item.position, formulaPictureSize(item.formula)));
        picture->setProperty("formula", item.formula);
        picture->setAccessibleName(formulaText(item.formula));
        picture->clear();
        // Pictures stand above the labels whose rectangles hold them.
        picture->raise();
    }
    QPushButton* previous = nullptr;
    for (std::size_t i = 0; i < page.buttons.size(); ++i) {
        const PageButton& item = page.buttons[i];
        const QString buttonName = u"Button%1"_s.arg(i + 1);
        auto* button = child<QPushButton>(groupBox_, buttonName);
        if (!button) {
            button = new QPushButton(groupBox_);
            button->setObjectName(buttonName);
        }
        button->setText(item.caption);
        button->setGeometry(item.geometry);
        button->raise();
        if (previous)
            setTabOrder(previous, button);
        previous = button;
    }
    complete_ = false;
}

void MethodologyPage::completeContent()
{
    if (complete_ || !layout_)
        return;
    complete_ = true;
    for (const PageLabel& item : layout_->labels) {
        if (auto* label = child<QLabel>(groupBox_, item.name))
            label->adjustSize();
    }
    for (const PagePicture& item : layout_->pictures) {
        auto* picture = child<QLabel>(groupBox_, item.name);
        if (!picture)
            continue;
        // Drawn for the screen the page is on, sharp at any scale.
        const QImage& image = formulaPicture(item.formula, picture->devicePixelRatioF());
        if (!image.isNull())
            picture->setPixmap(QPixmap::fromImage(image));
    }
}

void MethodologyPage::press(int number)
{
    const PageButton& button = layout_->buttons.at(static_cast<std::size_t>(number - 1));
    if (button.does == Does::Show) {
        showForm(button.windows.front());
        return;
    }
    for (const QString& window : button.windows)
        closeForm(window);
}

void MethodologyPage::Button1Click()
{
    press(1);
}

void MethodologyPage::showEvent(QShowEvent* event)
{
    completeContent();
    Form::showEvent(event);
}

void MethodologyPage::closeEvent(QCloseEvent* event)
{
    closeForm(this);
    event->accept();
}

void ChainPage::Button2Click()
{
    press(2);
}

}  // namespace termalo::help
