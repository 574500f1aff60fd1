#include "KeyBindings/RecorderCocoa.h"

#include "KeyBindings/LocalizedText.h"
#include "KeyBindings/Utilities.h"
#include "platform/SystemShortcuts.h"
#include "platform/base/NotificationCenter.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

constexpr qint64 anyModifier = ModifierFlags::shift | ModifierFlags::control |
                               ModifierFlags::option | ModifierFlags::command |
                               ModifierFlags::function | ModifierFlags::help;
// Shift alone does not make a shortcut of an ordinary key.
constexpr qint64 shortcutModifier =
    ModifierFlags::control | ModifierFlags::option | ModifierFlags::command | ModifierFlags::help;
// A click this close outside the field still counts as on it.
constexpr int clickMargin = 3;
constexpr qint64 f12KeyCode = 111;

bool isFunctionKey(int qtKey) {
    return qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F35;
}

// Some desktops forbid certain combinations to sandboxed programs; none of
// those we run on does, so nothing is restricted here.
bool isRestrictedByPlatform(const Shortcut&) {
    return false;
}

} // namespace

RecorderCocoa::RecorderCocoa(RecorderEnvironment environment, KeyBindings::Name name,
                             OnChange onChange, QWidget* parent)
    : QLineEdit(parent)
    , environment_(std::move(environment))
    , shortcutName_(std::move(name))
    , onChange_(std::move(onChange)) {
    // Keys are read, never typed: no caret, no editing, no pasting.
    setReadOnly(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setFocusPolicy(Qt::StrongFocus);
    setAlignment(Qt::AlignCenter);
    setPlaceholderText(localizedText("record_shortcut"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setMinimumWidth(minimumWidth);
    setFixedHeight(height);
    resize(minimumWidth, height);
    setStyleSheet(
        QStringLiteral("RecorderCocoa { border: 1px solid palette(mid); border-radius: 7px;"
                       " background: palette(base); padding: 0 4px; }"
                       " RecorderCocoa[recording=\"true\"] { border: 2px solid palette(highlight);"
                       " padding: 0 3px; }"));

    cancelButton_ = new QAction(this);
    cancelButton_->setIcon(style()->standardIcon(QStyle::SP_LineEditClearButton));
    cancelButton_->setToolTip(QCoreApplication::translate("KeyBindings", "Clear"));
    addAction(cancelButton_, QLineEdit::TrailingPosition);
    connect(cancelButton_, &QAction::triggered, this, &RecorderCocoa::clearShortcut);

    environment_.keyBindings.notificationCenter().addObserver(
        KeyBindings::shortcutByNameDidChangeNotification(), this,
        [this](const Notification& notification) {
            if (notification.userInfo.value(QStringLiteral("name")).toString() ==
                shortcutName_.rawValue)
                refreshDisplay();
        });
    refreshDisplay();
}

RecorderCocoa::~RecorderCocoa() {
    if (isRecording_) {
        environment_.keyBindings.holdKeyboard(0);
        qApp->removeEventFilter(this);
        environment_.keyBindings.recorderDidEnd(this);
    }
}

QSize RecorderCocoa::sizeHint() const {
    return {minimumWidth, height};
}

QSize RecorderCocoa::minimumSizeHint() const {
    return {minimumWidth, height};
}

void RecorderCocoa::refreshDisplay() {
    const auto shortcut = environment_.keyBindings.readShortcut(shortcutName_);
    setText(shortcut ? environment_.keyBindings.description(*shortcut) : QString());
    updateClearButton();
}

void RecorderCocoa::updateClearButton() {
    cancelButton_->setVisible(!text().isEmpty());
}

void RecorderCocoa::setRecordingLook(bool recording) {
    setProperty("recording", recording);
    style()->unpolish(this);
    style()->polish(this);
    update();
}

void RecorderCocoa::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    // Qt hides the placeholder of a centred field that has the focus, which is
    // exactly when "Press Shortcut" must show.
    if (!text().isEmpty() || !hasFocus())
        return;
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect area = style()
                           ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                           .marginsRemoved(textMargins());
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(area, Qt::AlignCenter,
                     fontMetrics().elidedText(placeholderText(), Qt::ElideRight, area.width()));
}

void RecorderCocoa::startRecording() {
    restartPending_ = false;
    if (isRecording_)
        return;
    isRecording_ = true;
    setPlaceholderText(localizedText("press_shortcut"));
    updateClearButton();
    setRecordingLook(true);
    environment_.keyBindings.recorderDidStart(this);
    // Clicks anywhere in the application: one outside the field ends recording.
    qApp->installEventFilter(this);
    // Every key typed into this window comes here while recording, also a
    // combination another program has grabbed, so that its checks can say the
    // combination is taken; keys typed into other windows stay theirs.
    environment_.keyBindings.holdKeyboard(window()->winId());
}

void RecorderCocoa::endRecording() {
    if (!isRecording_)
        return;
    isRecording_ = false;
    environment_.keyBindings.holdKeyboard(0);
    qApp->removeEventFilter(this);
    setPlaceholderText(localizedText("record_shortcut"));
    updateClearButton();
    setRecordingLook(false);
    environment_.keyBindings.recorderDidEnd(this);
}

void RecorderCocoa::endEditing() {
    restartPending_ = false;
    if (hasFocus())
        clearFocus();
    endRecording();
}

void RecorderCocoa::makeFirstResponder() {
    restartPending_ = true;
    // The window a closed alert leaves behind is not always made active again.
    if (!window()->isActiveWindow())
        window()->activateWindow();
    setFocus(Qt::OtherFocusReason);
    if (hasFocus())
        startRecording();
}

void RecorderCocoa::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // The window coming to the front gives the field focus without the user
    // asking to record; a click, Tab or our own request does.
    if (event->reason() != Qt::ActiveWindowFocusReason || restartPending_)
        startRecording();
}

void RecorderCocoa::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Another window (or a popup) in front leaves the field the focus of its
    // window: recording goes on and resumes when the window returns.
    const bool windowOnly =
        event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
    if (!(windowOnly && window()->focusWidget() == this))
        endRecording();
}

void RecorderCocoa::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (hasFocus())
        startRecording();
}

void RecorderCocoa::hideEvent(QHideEvent* event) {
    QLineEdit::hideEvent(event);
    endEditing();
}

bool RecorderCocoa::eventFilter(QObject* watched, QEvent* event) {
    if (isRecording_ && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton || mouse->button() == Qt::RightButton) {
            const QRect area =
                rect().adjusted(-clickMargin, -clickMargin, clickMargin, clickMargin);
            if (!area.contains(mapFromGlobal(mouse->globalPosition().toPoint())))
                endEditing();
        }
    }
    return QLineEdit::eventFilter(watched, event);
}

bool RecorderCocoa::event(QEvent* event) {
    if (isRecording_) {
        if (event->type() == QEvent::ShortcutOverride) {
            // Every key is ours while recording: no menu or window shortcut fires.
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress && handleKeyPress(static_cast<QKeyEvent*>(event)))
            return true;
    }
    return QLineEdit::event(event);
}

bool RecorderCocoa::handleKeyPress(QKeyEvent* event) {
    if (KeyBindingsUtilities::isModifierKey(event->key()))
        return true;
    const qint64 flags = KeyBindingsUtilities::modifierFlags(event->modifiers());
    if ((flags & anyModifier) == 0) {
        switch (event->key()) {
        case Qt::Key_Tab:
            return false; // focus moves on, which ends recording
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            cancelButton_->trigger();
            return true;
        case Qt::Key_Escape:
            endEditing();
            return true;
        default:
            break;
        }
    }
    if ((flags & shortcutModifier) == 0 && !isFunctionKey(event->key())) {
        beep();
        return true;
    }
    const auto shortcut = KeyBindingsUtilities::shortcut(*event);
    if (!shortcut) {
        beep(); // a key our key table does not know, such as F21
        return true;
    }
    if (passesChecks(*shortcut))
        accept(*shortcut);
    return true;
}

bool RecorderCocoa::passesChecks(const Shortcut& shortcut) {
    // An alert runs a nested event loop, in which the field may be destroyed.
    const QPointer<RecorderCocoa> self(this);
    KeyBindings& keyBindings = environment_.keyBindings;
    if (keyBindings.readShortcut(shortcutName_) != shortcut && environment_.applicationMenus) {
        const auto combination =
            KeyBindingsUtilities::menuKeyCombination(shortcut, keyBindings.keyboardLayout());
        if (combination) {
            const auto title =
                KeyBindingsUtilities::menuItemTitle(environment_.applicationMenus(), *combination);
            if (title && !resolveConflict(
                             conflictPolicy.menuItem,
                             localizedText("keyboard_shortcut_used_by_menu_item").arg(*title), {}))
                return false;
            if (!self)
                return false;
        }
    }
    if (conflictPolicy.disallowed != ConflictBehavior::allow && isRestrictedByPlatform(shortcut)) {
        showAlert(localizedText("keyboard_shortcut_disallowed"), {}, {});
        return false;
    }
    const bool isF12Alone = shortcut.carbonKeyCode == f12KeyCode && shortcut.carbonModifiers == 0;
    if (!isF12Alone && environment_.systemShortcuts.isTaken(shortcut) &&
        !resolveConflict(conflictPolicy.systemShortcut,
                         localizedText("keyboard_shortcut_used_by_system"),
                         localizedText("keyboard_shortcuts_can_be_changed")))
        return false;
    if (!self)
        return false;
    if (validateShortcut) {
        if (const auto reason = validateShortcut(shortcut)) {
            showAlert(*reason, {}, {});
            return false;
        }
    }
    return true;
}

bool RecorderCocoa::resolveConflict(ConflictBehavior behavior, const QString& message,
                                    const QString& informativeText) {
    switch (behavior) {
    case ConflictBehavior::block:
        showAlert(message, informativeText, {});
        return false;
    case ConflictBehavior::warn:
        return showAlert(message, informativeText,
                         {localizedText("ok"), localizedText("force_use_shortcut")}) == 1;
    case ConflictBehavior::allow:
        return true;
    }
    return false;
}

int RecorderCocoa::showAlert(const QString& message, const QString& informativeText,
                             const QStringList& buttons) {
    endEditing();
    const QPointer<RecorderCocoa> self(this);
    QMessageBox alert(QMessageBox::Warning, QCoreApplication::applicationName(), message,
                      QMessageBox::NoButton, window());
    // Modal to its window only, the way a sheet is.
    alert.setWindowModality(Qt::WindowModal);
    alert.setInformativeText(informativeText);
    const QStringList titles = buttons.isEmpty() ? QStringList{localizedText("ok")} : buttons;
    QList<QPushButton*> pushButtons;
    for (const QString& title : titles)
        pushButtons.append(alert.addButton(
            title, pushButtons.isEmpty() ? QMessageBox::AcceptRole : QMessageBox::DestructiveRole));
    alert.setDefaultButton(pushButtons.first());
    alert.setEscapeButton(pushButtons.first());
    alert.exec();
    const int response =
        static_cast<int>(pushButtons.indexOf(qobject_cast<QPushButton*>(alert.clickedButton())));
    if (self)
        makeFirstResponder();
    return response;
}

void RecorderCocoa::beep() {
    if (environment_.beep)
        environment_.beep();
    else
        QApplication::beep();
}

void RecorderCocoa::accept(const Shortcut& shortcut) {
    setText(environment_.keyBindings.description(shortcut));
    updateClearButton();
    environment_.keyBindings.writeShortcut(shortcutName_, shortcut);
    if (onChange_)
        onChange_(shortcut);
    endEditing();
}

void RecorderCocoa::clearShortcut() {
    if (text().isEmpty())
        return;
    setText(QString());
    environment_.keyBindings.writeShortcut(shortcutName_, std::nullopt);
    if (onChange_)
        onChange_(std::nullopt);
    updateClearButton();
    makeFirstResponder();
}
