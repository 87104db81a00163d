#include "shell/combo_field.h"

#include "shell/application.h"
#include "shell/text_field.h"
#include "shell/text_limits.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace termalo {

namespace {

// A period box as assistive technology sees it: a combo box named by its
// caption, whose value is its text, with its list and its field inside, so
// that the field's text can be read and edited like any other.
class ComboFieldAccessible : public QAccessibleWidget {
public:
    explicit ComboFieldAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::ComboBox) {}

    ComboField* box() const { return static_cast<ComboField*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return visiblePart(box()->text());
        return QAccessibleWidget::text(t);
    }

    // As in Qt's own combo box: the list first, then the field.
    int childCount() const override { return 2; }
    QAccessibleInterface* child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1)
            return QAccessible::queryAccessibleInterface(box()->field());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child)
            return -1;
        if (child->object() == box()->view())
            return 0;
        if (child->object() == box()->field())
            return 1;
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        return box()->field()->hasFocus() ? child(1) : nullptr;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction())
            box()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* comboFieldAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(ComboField::staticMetaObject.className()) && object && object->isWidgetType())
        return new ComboFieldAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

ComboField::ComboField(QWidget* parent) : QComboBox(parent), field_(new TextField(this))
{
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(&comboFieldAccessible);
        return true;
    }();
    (void)accessibleInstalled;
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
