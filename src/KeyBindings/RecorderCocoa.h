#pragma once

#include "KeyBindings/ConflictPolicy.h"
#include "KeyBindings/KeyBindings.h"
#include "KeyBindings/RecorderEnvironment.h"

#include <QLineEdit>

#include <functional>
#include <optional>

class QAction;

// The control that records the shortcut of a name. It looks like a search
// field: idle it shows the shortcut (or "Record Shortcut"); clicked, it records
// the next key combination, checks it against the application's menus, the
// desktop's shortcuts and the custom rule, and stores it. While it records,
// every global shortcut is paused.
class RecorderCocoa : public QLineEdit {
    Q_OBJECT
public:
    using OnChange = std::function<void(std::optional<Shortcut>)>;
    using Validator = std::function<std::optional<QString>(const Shortcut&)>;

    static constexpr int minimumWidth = 130;
    static constexpr int height = 24;

    RecorderCocoa(RecorderEnvironment environment, KeyBindings::Name name, OnChange onChange = {},
                  QWidget* parent = nullptr);
    ~RecorderCocoa() override;

    const KeyBindings::Name& shortcutName() const { return shortcutName_; }
    bool isRecording() const { return isRecording_; }

    ConflictPolicy conflictPolicy;
    // A reason rejects the shortcut.
    Validator validateShortcut;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void refreshDisplay();
    void updateClearButton();
    void setRecordingLook(bool recording);
    void startRecording();
    void endRecording();
    void endEditing();
    void makeFirstResponder();
    bool handleKeyPress(QKeyEvent* event);
    bool passesChecks(const Shortcut& shortcut);
    bool resolveConflict(ConflictBehavior behavior, const QString& message,
                         const QString& informativeText);
    int showAlert(const QString& message, const QString& informativeText,
                  const QStringList& buttons);
    void beep();
    void accept(const Shortcut& shortcut);
    void clearShortcut();

    RecorderEnvironment environment_;
    KeyBindings::Name shortcutName_;
    OnChange onChange_;
    QAction* cancelButton_ = nullptr;
    bool isRecording_ = false;
    // Focus we asked for ourselves (after an alert, after clearing) restarts
    // recording even when it arrives with the window's activation.
    bool restartPending_ = false;
};
