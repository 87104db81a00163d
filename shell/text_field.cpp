#include "shell/text_field.h"

#include "shell/application.h"
#include "shell/text_field_accessible.h"
#include "shell/text_keys.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDrag>
#include <QDropEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleHints>
#include <QStyleOptionFrame>

#include <algorithm>

namespace termalo {

namespace {

constexpr int kHorizontalMargin = TextViewport::kHorizontalMargin;
constexpr int kVerticalMargin = TextViewport::kVerticalMargin;

}  // namespace

TextField::TextField(QWidget* parent) : QWidget(parent), viewport_(control_, *this, [this] { return textRect(); })
{
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(&textFieldAccessible);
        return true;
    }();
    (void)accessibleInstalled;
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setCursor(Qt::IBeamCursor);
    setBackgroundRole(QPalette::Base);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAcceptDrops(true);

    connect(&control_, &TextControl::textReplaced, this, &TextField::followText);
    connect(&control_, &TextControl::cursorMoved, this, &TextField::followCursor);
    connect(&control_, &TextControl::textChanged, this, &TextField::textChanged);
    connect(&control_, &TextControl::textEdited, this, &TextField::textEdited);
    connect(&control_, &TextControl::compositionChanged, this, &TextField::followComposition);
    // The input method is asked only while it serves this field.
    connect(&control_, &TextControl::inputMethodCommitRequested, this, [this] {
        if (hasFocus())
            QGuiApplication::inputMethod()->commit();
    });
    connect(&control_, &TextControl::inputMethodResetRequested, this, [this] {
        if (hasFocus())
            QGuiApplication::inputMethod()->reset();
    });
}

TextField::~TextField() = default;

// ---- What the control tells --------------------------------------------------

void TextField::followText(const TextChange* change)
{
    viewport_.invalidate();
    if (change)
        announceTextChange(this, *change);
}

void TextField::followCursor(qsizetype oldCursor, qsizetype oldAnchor)
{
    viewport_.scrollToCursor();
    if (hasFocus())
        startBlinking();
    update();
    updateMicroFocus();
    const qsizetype cursor = control_.cursor();
    const qsizetype anchor = control_.anchor();
    const bool selectionMoved = (oldCursor != oldAnchor || cursor != anchor)
                                && (std::min(oldCursor, oldAnchor) != std::min(cursor, anchor)
                                    || std::max(oldCursor, oldAnchor) != std::max(cursor, anchor));
    if (QAccessible::isActive())
        announceCursor(this, oldCursor, cursor, anchor, selectionMoved);
    if (selectionMoved)
        offerSelection();
    if (oldCursor != cursor)
        emit cursorPositionChanged(oldCursor, cursor);
    if (selectionMoved)
        emit selectionChanged();
}

void TextField::followComposition()
{
    viewport_.invalidate();
    viewport_.scrollToCursor();
    if (hasFocus())
        startBlinking();
    update();
    updateMicroFocus();
}

void TextField::offerSelection()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (control_.hasSelection() && clipboard->supportsSelection())
        clipboard->setMimeData(control_.offerSelection(), QClipboard::Selection);
}

// ---- What is shown -------------------------------------------------------------

void TextField::setFrame(bool frame)
{
    frame_ = frame;
    viewport_.invalidate();
    update();
}

QRect TextField::textRect() const
{
    QRect r = rect();
    if (frame_) {
        QStyleOptionFrame option;
        option.initFrom(this);
        option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
        r = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    }
    return r.adjusted(kHorizontalMargin, 0, -kHorizontalMargin, 0);
}

void TextField::refresh()
{
    viewport_.invalidate();
    viewport_.scrollToCursor();
}

void TextField::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionFrame option;
    option.initFrom(this);
    option.rect = rect();
    option.lineWidth = frame_ ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);

    // Clipped to the frame's inside, margins included, as Qt's line edit does.
    const QRect clip = textRect().adjusted(-kHorizontalMargin, 0, kHorizontalMargin, 0);
    painter.setClipRect(clip);
    const ShownLine& shown = viewport_.line();
    const QPointF origin = viewport_.origin();
    painter.setPen(palette().color(QPalette::Text));
    shown.draw(&painter, origin, control_.selectionFrom(), control_.selectionTo(), palette(), clip);
    const int cursorWidth = style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this);
    if (hasFocus() && cursorShown_ && shown.holds(control_.cursor())
        && (shown.composedAt() < 0 || control_.composition().caretShown))
        shown.layout().drawCursor(&painter, origin, shown.caret(), cursorWidth);
    if (dropAt_ >= 0 && shown.holds(dropAt_))  // where a dragged text would go
        shown.layout().drawCursor(&painter, origin, shown.endingAt(dropAt_), cursorWidth);
}

QSize TextField::sizeHint() const
{
    const QFontMetrics metrics(font());
    const QSize contents(metrics.horizontalAdvance(QLatin1Char('x')) * 17 + 2 * kHorizontalMargin,
                         metrics.height() + 2 * kVerticalMargin);
    QStyleOptionFrame option;
    option.initFrom(this);
    option.lineWidth = frame_ ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this) : 0;
    return style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, this);
}

QSize TextField::minimumSizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.maxWidth() + 2 * kHorizontalMargin, metrics.height() + 2 * kVerticalMargin};
}

// ---- Keys and the input method -------------------------------------------------

bool TextField::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && isEditingKey(*static_cast<QKeyEvent*>(event))) {
        // Editing keys belong to the box, not to a window's shortcuts.
        event->accept();
        return true;
    }
    // Every entry from Qt ends here: an error goes to the error box.
    bool handled = false;
    runGuarded([&] { handled = QWidget::event(event); });
    return handled;
}

void TextField::keyPressEvent(QKeyEvent* event)
{
    // A key the input method lets through acts on the text with the
    // composition in it, except undo, which drops the composition; a modifier
    // or a dead key alone leaves it as it is.
    if (!isModifierKey(event->key()) && !event->matches(QKeySequence::Undo))
        control_.commitComposition();
    if (applyEditingKey(control_, *event)) {
        event->accept();
        return;
    }
    const QString typed = typedText(*event);
    if (typed.isEmpty()) {
        event->ignore();
        return;
    }
    control_.type(typed);
    event->accept();
}

void TextField::inputMethodEvent(QInputMethodEvent* event)
{
    control_.applyInputMethod(*event);
    event->accept();
}

QVariant TextField::inputMethodQuery(Qt::InputMethodQuery query) const
{
    // An input method sees the text around the cursor, never all of it.
    const QString& text = control_.text();
    const qsizetype cursor = control_.cursor();
    const qsizetype from = control_.surroundingStart();
    const qsizetype to = control_.safeBoundary(std::min(text.size(), cursor + TextControl::kSurroundingText));
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImCursorRectangle:
    case Qt::ImAnchorRectangle:
        return QRectF(viewport_.cursorRect());
    case Qt::ImFont:
        return font();
    case Qt::ImCursorPosition:
        return int(cursor - from);
    case Qt::ImAnchorPosition:
        return int(std::clamp(control_.anchor(), from, to) - from);
    case Qt::ImSurroundingText:
        return text.mid(from, to - from);
    case Qt::ImCurrentSelection: {
        const qsizetype a = std::clamp(control_.selectionFrom(), from, to);
        const qsizetype b = std::clamp(control_.selectionTo(), from, to);
        return text.mid(a, b - a);
    }
    case Qt::ImReadOnly:
        return false;
    default:
        return QWidget::inputMethodQuery(query);
    }
}

// ---- The mouse -------------------------------------------------------------------

bool TextField::clickedIntoComposition(QPoint point)
{
    const ShownLine& shown = viewport_.line();
    const int inLayout = shown.inLayoutAt(point.x() - viewport_.origin().x());
    if (!shown.inComposition(inLayout))
        return false;
    QGuiApplication::inputMethod()->invokeAction(QInputMethod::Click, inLayout - shown.endingAt(control_.cursor()));
    return true;
}

qsizetype TextField::positionCommitting(QPoint point)
{
    if (!control_.isComposing())
        return positionAt(point);
    // As Qt's line edit does: a place within the composition keeps its place
    // in what is committed; a place after it moves on by what was committed.
    const ShownLine& shown = viewport_.line();
    const int inLayout = shown.inLayoutAt(point.x() - viewport_.origin().x());
    const qsizetype before = shown.at(inLayout);
    const bool inComposition = shown.inComposition(inLayout);
    const qsizetype cursor = control_.cursor();
    const qsizetype intoComposition = inLayout - shown.endingAt(cursor);
    const qsizetype size = control_.text().size();
    control_.commitComposition();
    const qsizetype grown = control_.text().size() - size;
    qsizetype at = before;
    if (inComposition)
        at = cursor + std::clamp<qsizetype>(intoComposition, 0, std::max<qsizetype>(0, grown));
    else if (before > cursor)
        at = before + grown;
    return control_.safeBoundary(std::clamp<qsizetype>(at, 0, control_.text().size()));
}

void TextField::mousePressEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    const bool left = event->button() == Qt::LeftButton;
    const bool middle = event->button() == Qt::MiddleButton;
    if (!left && !middle) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    // A click into the composition is the input method's; elsewhere it commits the composition first.
    if (control_.isComposing() && clickedIntoComposition(point))
        return;
    const qsizetype at = positionCommitting(point);
    if (left && tripleClickTimer_.isActive()
        && (point - tripleClickAt_).manhattanLength() < QApplication::startDragDistance()) {
        tripleClickTimer_.stop();
        control_.selectAll();
    } else if (left && control_.hasSelection() && !(event->modifiers() & Qt::ShiftModifier)
               && at > control_.selectionFrom() && at < control_.selectionTo()) {
        // Pressed on the selection: dragging it away, or a click that only moves the cursor.
        mayDrag_ = true;
        dragStart_ = point;
    } else if (left) {
        selectingWithMouse_ = true;
        control_.moveCursor(at, event->modifiers() & Qt::ShiftModifier);
    } else if (QGuiApplication::clipboard()->supportsSelection()) {
        const QString selection = QGuiApplication::clipboard()->text(QClipboard::Selection);
        control_.moveCursor(at);
        if (!selection.isEmpty())
            control_.insert(selection);
    } else {
        QWidget::mousePressEvent(event);
    }
}

void TextField::mouseMoveEvent(QMouseEvent* event)
{
    if (mayDrag_) {
        if ((event->position().toPoint() - dragStart_).manhattanLength() >= QApplication::startDragDistance()) {
            mayDrag_ = false;
            dragSelection();
        }
        return;
    }
    if (!selectingWithMouse_ || !(event->buttons() & Qt::LeftButton)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const QRect r = textRect();
    const QPoint at = event->position().toPoint();
    qsizetype position;
    if (at.x() < r.left())
        position = control_.previousCharacter(viewport_.firstShown());  // drags the text to the right
    else if (at.x() > r.right())
        position = control_.nextCharacter(positionAt({r.right(), at.y()}));
    else
        position = positionAt(at);
    control_.moveCursor(position, true);
}

void TextField::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && mayDrag_) {
        mayDrag_ = false;
        control_.moveCursor(positionAt(event->position().toPoint()));
        return;
    }
    if (event->button() == Qt::LeftButton && selectingWithMouse_) {
        selectingWithMouse_ = false;
        offerSelection();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void TextField::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    // Selects the word (or the run of blanks, or the sign) under the mouse,
    // in the text with the composition committed.
    control_.selectWordAt(positionCommitting(event->position().toPoint()));
    offerSelection();
    tripleClickTimer_.start(QApplication::doubleClickInterval(), this);
    tripleClickAt_ = event->position().toPoint();
}

// ---- Dragging and dropping ---------------------------------------------------------

void TextField::dragSelection()
{
    const qsizetype from = control_.selectionFrom();
    const qsizetype to = control_.selectionTo();
    const QString dragged = control_.selectedText();
    auto* data = new QMimeData;
    data->setText(dragged);
    QDrag drag(this);
    drag.setMimeData(data);
    movedWithin_ = false;
    // Moved to another program or field: the text leaves this one. A move
    // within this field has already been made by the drop.
    if (drag.exec(Qt::CopyAction | Qt::MoveAction) == Qt::MoveAction && !movedWithin_
        && to <= control_.text().size() && QStringView(control_.text()).sliced(from, to - from) == dragged)
        control_.replace(from, to, {});
}

void TextField::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasText())
        event->acceptProposedAction();
    else
        event->ignore();
}

void TextField::dragMoveEvent(QDragMoveEvent* event)
{
    const qsizetype at = positionAt(event->position().toPoint());
    const bool own = event->source() == this;
    if (!event->mimeData()->hasText() || (own && at >= control_.selectionFrom() && at <= control_.selectionTo())) {
        event->ignore();
        if (dropAt_ >= 0) {
            dropAt_ = -1;
            update();
        }
        return;
    }
    if (own)
        event->setDropAction((event->modifiers() & Qt::ControlModifier) ? Qt::CopyAction : Qt::MoveAction);
    else
        event->acceptProposedAction();
    event->accept();
    dropAt_ = at;
    update();
}

void TextField::dragLeaveEvent(QDragLeaveEvent*)
{
    dropAt_ = -1;
    update();
}

void TextField::dropEvent(QDropEvent* event)
{
    dropAt_ = -1;
    update();
    const QString dropped = event->mimeData()->text();
    const qsizetype at = positionCommitting(event->position().toPoint());
    const bool own = event->source() == this;
    if (own && at >= control_.selectionFrom() && at <= control_.selectionTo()) {
        event->ignore();
        return;
    }
    const Qt::DropAction action =
        own ? ((event->modifiers() & Qt::ControlModifier) ? Qt::CopyAction : Qt::MoveAction) : event->proposedAction();
    const bool moving = own && action == Qt::MoveAction;
    if (moving)
        movedWithin_ = true;
    control_.drop(at, dropped, moving);
    event->setDropAction(action);
    event->accept();
}

// ---- Focus, the menu, timers and changes -------------------------------------------

void TextField::focusInEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)
        && !control_.hasSelection())
        control_.selectAll();
    startBlinking();
    update();
    QWidget::focusInEvent(event);
}

void TextField::focusOutEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    // What is being composed stays while a menu is open; otherwise it is
    // typed, and the input method, which may still hold it, forgets it, so
    // that it is never committed a second time.
    if (reason != Qt::PopupFocusReason && control_.commitComposition() && !hasFocus())
        QGuiApplication::inputMethod()->reset();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        control_.deselect();
    stopBlinking();
    update();
    QWidget::focusOutEvent(event);
}

void TextField::contextMenuEvent(QContextMenuEvent* event)
{
    // The menu opens without a local event loop and deletes itself on closing.
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const auto add = [&](const char* text, QKeySequence::StandardKey key, bool enabled, auto action) {
        QString caption = QCoreApplication::translate("QLineEdit", text);
        const QString shortcut = QKeySequence(key).toString(QKeySequence::NativeText);
        if (!shortcut.isEmpty())
            caption += QLatin1Char('\t') + shortcut;
        QAction* a = menu->addAction(caption);
        a->setEnabled(enabled);
        connect(a, &QAction::triggered, this, [this, action] { runGuarded([&] { (control_.*action)(); }); });
    };
    const QString& text = control_.text();
    const bool selected = control_.hasSelection();
    add("&Undo", QKeySequence::Undo, control_.isUndoAvailable(), &TextControl::undo);
    add("&Redo", QKeySequence::Redo, control_.isRedoAvailable(), &TextControl::redo);
    menu->addSeparator();
    add("Cu&t", QKeySequence::Cut, selected, &TextControl::cut);
    add("&Copy", QKeySequence::Copy, selected, &TextControl::copy);
    add("&Paste", QKeySequence::Paste, !QGuiApplication::clipboard()->text().isEmpty(), &TextControl::paste);
    add("Delete", QKeySequence::UnknownKey, selected, &TextControl::del);
    menu->addSeparator();
    add("Select All", QKeySequence::SelectAll, !text.isEmpty() && selectionLength() != text.size(),
        &TextControl::selectAll);
    if (menu_)
        menu_->close();
    menu_ = menu;
    menu->popup(event->globalPos());
    event->accept();
}

void TextField::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == blinkTimer_.timerId()) {
        cursorShown_ = !cursorShown_;
        update(viewport_.cursorRect().adjusted(-2, -2, 2, 2));
        return;
    }
    if (event->timerId() == tripleClickTimer_.timerId()) {
        tripleClickTimer_.stop();
        return;
    }
    QWidget::timerEvent(event);
}

void TextField::resizeEvent(QResizeEvent* event)
{
    refresh();
    QWidget::resizeEvent(event);
}

void TextField::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::LayoutDirectionChange:
        refresh();
        update();
        break;
    case QEvent::EnabledChange:
    case QEvent::PaletteChange:
        update();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void TextField::startBlinking()
{
    cursorShown_ = true;
    const int flash = QGuiApplication::styleHints()->cursorFlashTime();
    if (flash >= 2)
        blinkTimer_.start(flash / 2, this);
    else
        blinkTimer_.stop();
}

void TextField::stopBlinking()
{
    blinkTimer_.stop();
    cursorShown_ = false;
}

}  // namespace termalo
