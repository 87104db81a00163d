#include "shell/combo_field.h"

#include "shell/application.h"
#include "shell/text_field.h"

#include <QAbstractItemModel>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace termalo {

ComboField::ComboField(QWidget* parent) : QComboBox(parent), field_(new TextField(this))
{
    field_->setObjectName(QStringLiteral("Field"));
    field_->setFrame(false);
    setFocusProxy(field_);
    setFocusPolicy(Qt::StrongFocus);
    // Choosing from the list (with the mouse, the arrow keys or the wheel)
    // puts the entry into the field.
    connect(this, &QComboBox::activated, this, [this](int index) { runGuarded([&] { takeItem(index); }); });
    connect(this, &QComboBox::currentIndexChanged, this,
            [this](int index) { runGuarded([&] { takeItem(index); }); });
    const auto listChanged = [this] {
        QStringList entries;
        for (int i = 0; i < count(); ++i)
            entries.append(itemText(i));
        field_->setCompletions(entries);
    };
    connect(model(), &QAbstractItemModel::rowsInserted, this, listChanged);
    connect(model(), &QAbstractItemModel::rowsRemoved, this, listChanged);
    connect(model(), &QAbstractItemModel::dataChanged, this, listChanged);
}

const QString& ComboField::text() const
{
    return field_->text();
}

void ComboField::setText(const QString& text)
{
    field_->setText(text);
}

void ComboField::takeItem(int index)
{
    if (index >= 0 && index < count())
        field_->setText(itemText(index));
}

void ComboField::initStyleOption(QStyleOptionComboBox* option) const
{
    QComboBox::initStyleOption(option);
    // Drawn, and its list dropped down, as an editable box.
    option->editable = true;
    option->currentText.clear();
}

void ComboField::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
}

void ComboField::placeField()
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    field_->setGeometry(style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this));
}

void ComboField::resizeEvent(QResizeEvent* event)
{
    QComboBox::resizeEvent(event);
    placeField();
}

void ComboField::changeEvent(QEvent* event)
{
    QComboBox::changeEvent(event);
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange)
        placeField();
}

void ComboField::showEvent(QShowEvent* event)
{
    QComboBox::showEvent(event);
    placeField();
}

}  // namespace termalo
