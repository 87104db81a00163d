#include "shell/form.h"

#include "shell/application.h"
#include "shell/clock.h"
#include "shell/controls.h"
#include "shell/painting.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QLabel>
#include <QMetaMethod>
#include <QPainter>
#include <QPalette>
#include <QRegularExpression>
#include <QSet>
#include <QTimer>
#include <QVariant>

#include <algorithm>
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

// Connects `signal` of `control` to `method` of `form` through the error guard.
template <class Control, class Signal>
void connectGuarded(Control* control, Signal signal, Form* form, const QMetaMethod& method)
{
    QObject::connect(control, signal, form, [form, method] {
        runGuarded([&] { method.invoke(form, Qt::DirectConnection); });
    });
}

// The caption of a frame drawn as a group: the label that sits on its top
// edge or, failing that, on its bottom edge, starting within its width.
QString groupTitle(const QFrame* frame)
{
    const QWidget* parent = frame->parentWidget();
    if (!parent)
        return {};
    const QRect box = frame->geometry();
    QString onBottom;
    for (const QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QString caption = label->text().trimmed();
        const QRect r = label->geometry();
        if (caption.isEmpty() || r.left() <= box.left() || r.left() >= box.right())
            continue;
        if (r.top() <= box.top() && r.bottom() >= box.top())
            return caption;
        if (onBottom.isEmpty() && r.top() <= box.bottom() && r.bottom() >= box.bottom())
            onBottom = caption;
    }
    return onBottom;
}

// Every window is a window to assistive technology, named by its caption.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}
};

// A frame of a window groups the controls drawn inside it under its caption.
class GroupAccessible : public QAccessibleWidget {
public:
    explicit GroupAccessible(QWidget* frame) : QAccessibleWidget(frame, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override
    {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty())
            text = groupTitle(static_cast<const QFrame*>(widget()));
        return text;
    }
};

QAccessibleInterface* formAccessible(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String(Form::staticMetaObject.className()))
        return new WindowAccessible(widget);
    if (className == QLatin1String("QFrame") && object->metaObject() == &QFrame::staticMetaObject
        && static_cast<QFrame*>(widget)->frameShape() != QFrame::NoFrame && qobject_cast<Form*>(widget->window()))
        return new GroupAccessible(widget);
    return nullptr;
}

}  // namespace

Form::Form(QWidget* parent) : QWidget(parent)
{
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(&formAccessible);
        return true;
    }();
    (void)accessibleInstalled;
}

Form::~Form() = default;

void Form::wireHandlers()
{
    if (wired_)
        return;
    wired_ = true;
    static const QRegularExpression handlerName(QStringLiteral("^(\\w+?)(Click|Timer)$"));
    // A slot redeclared by a derived class is listed once per class: the most
    // derived one, met first walking down, is the handler.
    QSet<QByteArray> seen;
    const QMetaObject* meta = metaObject();
    for (int i = meta->methodCount() - 1; i >= Form::staticMetaObject.methodOffset(); --i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() != QMetaMethod::Slot || method.access() != QMetaMethod::Public
            || method.parameterCount() != 0 || seen.contains(method.name()))
            continue;
        const QRegularExpressionMatch match = handlerName.match(QString::fromLatin1(method.name()));
        if (!match.hasMatch())
            continue;
        seen.insert(method.name());
        const QString control = match.captured(1);
        if (match.captured(2) == QLatin1String("Click")) {
            if (auto* button = findControl<QAbstractButton>(this, control))
                connectGuarded(button, &QAbstractButton::clicked, this, method);
        } else if (auto* timer = findChild<QTimer*>(control)) {
            connectGuarded(timer, &QTimer::timeout, this, method);
        } else {
            reportMissingControl(objectName(), control + QStringLiteral(" (QTimer)"));
        }
    }
}

void Form::setFirstPosition(QPoint topLeft)
{
    setProperty("termaloFirstPosition", topLeft);
}

void Form::setUpForm(const Look& look)
{
    look_ = look;
    applyDesignFonts(this);
    if (look.background == Background::ButtonFace) {
        useButtonFaceBackground(this);
        // Also behind the group titles that sit on the frames.
        setAutoFillBackground(true);
    }
}

void Form::prepareForShow()
{
    if (prepared_)
        return;
    prepared_ = true;
    if (look_.fitLabels)
        fitLabelsToText(this, look_.labelHeight);
    if (look_.logos) {
        if (auto* logo = findControl<QLabel>(this, QStringLiteral("Image1")))
            logo->setPixmap(logoPixmap(LogoColouring::Black));
        if (auto* logo = findControl<QLabel>(this, QStringLiteral("Image2")))
            logo->setPixmap(logoPixmap(LogoColouring::Yellow));
    }
    firstShow();
}

void Form::showEvent(QShowEvent* event)
{
    runGuarded([this] { prepareForShow(); });
    QWidget::showEvent(event);
}

QTimer* Form::addTimer(const QString& name, int intervalMs)
{
    auto* timer = new QTimer(this);
    timer->setObjectName(name);
    timer->setInterval(intervalMs);
    timer->start();
    return timer;
}

void Form::showClock(QLabel* timePanel, QLabel* datePanel)
{
    const QDateTime now = clock().now();
    timePanel->setText(timePanelText(now));
    datePanel->setText(datePanelText(now));
}

void Form::keepLabelsInsideFrames()
{
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->textFormat() == Qt::PlainText && label->frameShape() == QFrame::NoFrame)
            keepInsideFrame(label);
    }
}

void Form::keepInsideFrame(QLabel* label)
{
    // The room up to the frame is found once per label: the layout never moves.
    static constexpr const char* kFrameRoom = "termaloFrameRoom";
    QVariant room = label->property(kFrameRoom);
    if (!room.isValid()) {
        // The innermost frame whose box holds the label's starting point; a group
        // title sits on the frame's top edge, so half a line above it counts.
        const QPoint start = label->geometry().topLeft() + QPoint(0, label->height() / 2);
        const QFrame* inner = nullptr;
        for (const QFrame* frame : findChildren<QFrame*>()) {
            if (qobject_cast<const QLabel*>(frame) || frame->frameShape() == QFrame::NoFrame
                || frame->parentWidget() != label->parentWidget())
                continue;
            if (!frame->geometry().contains(start))
                continue;
            if (!inner || frame->width() * frame->height() < inner->width() * inner->height())
                inner = frame;
        }
        room = inner ? inner->geometry().right() - 2 - label->x() : -1;
        label->setProperty(kFrameRoom, room);
    }
    if (room.toInt() < 0) {
        label->adjustSize();
        return;
    }
    condenseToFit(label, room.toInt());
}

void Form::paintEvent(QPaintEvent* event)
{
    if (metaObject()->indexOfSlot("FormPaint()") < 0) {
        QWidget::paintEvent(event);
        return;
    }
    runGuarded([this] { QMetaObject::invokeMethod(this, "FormPaint", Qt::DirectConnection); });
}

void Form::closeEvent(QCloseEvent* event)
{
    if (metaObject()->indexOfSlot("FormClose()") < 0) {
        QWidget::closeEvent(event);
        return;
    }
    event->ignore();
    runGuarded([&] {
        QMetaObject::invokeMethod(this, "FormClose", Qt::DirectConnection);
        event->accept();
    });
}

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

void fitLabelsToText(QWidget* root, int height)
{
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (label->textFormat() != Qt::PlainText || label->frameShape() != QFrame::NoFrame)
            continue;
        if (height > 0)
            label->resize(label->sizeHint().width(), height);
        else
            label->adjustSize();
    }
}

void condenseToFit(QLabel* label, int room)
{
    // Start from the font of the layout each time, so a shorter text regains it.
    static constexpr const char* kLaidOutFont = "termaloLaidOutFont";
    QVariant laidOut = label->property(kLaidOutFont);
    if (!laidOut.isValid()) {
        laidOut = label->font();
        label->setProperty(kLaidOutFont, laidOut);
    }
    QFont font = laidOut.value<QFont>();
    if (label->font() != font)
        label->setFont(font);
    const int width = QFontMetrics(font).horizontalAdvance(label->text());
    if (width <= room || room <= 0) {
        label->adjustSize();
        return;
    }
    // Stretch is a percentage of the normal width; keep a little slack for rounding.
    font.setStretch(std::max(60, room * 100 / width - 1));
    label->setFont(font);
    label->adjustSize();
}

}  // namespace termalo
