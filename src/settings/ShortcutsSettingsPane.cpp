#include "settings/ShortcutsSettingsPane.h"

#include "KeyBindings/Key.h"
#include "KeyBindings/KeyBindings.h"
#include "KeyBindings/Recorder.h"
#include "app/HotkeyService.h"
#include "platform/base/NotificationCenter.h"
#include "settings/SettingsSection.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {

// The width a recorder needs for the longest shortcut as this keyboard and
// language write it ("Super+Strg+Alt+Umschalt+W"), beside its clear button.
int widestShortcutWidth(const RecorderEnvironment& environment, const QWidget* recorder) {
    const Shortcut widest(Key::w.rawValue, CarbonModifiers::command | CarbonModifiers::control |
                                               CarbonModifiers::option | CarbonModifiers::shift);
    constexpr int frameAndClearButton = 52;
    return recorder->fontMetrics().horizontalAdvance(environment.keyBindings.description(widest)) +
           frameAndClearButton;
}

// The recorder's title without the colon: "Capture text".
QString title(const Recorder* recorder) {
    QString name = recorder->label()->text();
    if (name.endsWith(u':'))
        name.chop(1);
    return name;
}

// A recorder as a row of the form, named for assistive technology by its title.
QWidget* row(Recorder* recorder, const RecorderEnvironment& environment) {
    recorder->recorder()->setAccessibleName(title(recorder));
    recorder->recorder()->setMinimumWidth(widestShortcutWidth(environment, recorder->recorder()));

    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(12, 8, 8, 8);
    layout->addWidget(recorder);
    row->setMinimumHeight(40);
    return row;
}

} // namespace

ShortcutsSettingsPane::ShortcutsSettingsPane(const RecorderEnvironment& environment,
                                             QWidget* parent)
    : SettingsForm(parent)
    , keyBindings_(environment.keyBindings)
    , section_(new SettingsSection) {
    recorders_ = {
        new Recorder(tr("Capture text:"), environment, HotkeyService::captureText()),
        new Recorder(tr("Read QR / barcode:"), environment, HotkeyService::captureBarcode())};
    for (Recorder* recorder : recorders_)
        section_->addRow(row(recorder, environment));
    section_->footer()->setTextInteractionFlags(Qt::TextSelectableByMouse);
    addSection(section_);
    NotificationCenter& notifications = keyBindings_.notificationCenter();
    for (const QString& notification : {KeyBindings::desktopBindingsDidChangeNotification(),
                                        KeyBindings::shortcutByNameDidChangeNotification()})
        notifications.addObserver(notification, this,
                                  [this](const Notification&) { showWhatTheDesktopDoes(); });
    showWhatTheDesktopDoes();
}

void ShortcutsSettingsPane::showWhatTheDesktopDoes() {
    // Recording a shortcut where none acts would promise what the desktop does not keep.
    for (Recorder* recorder : recorders_)
        recorder->setEnabled(keyBindings_.shortcutsAct());
    if (!keyBindings_.shortcutsAct()) {
        section_->setFooter(tr("This desktop lets no program take key combinations for itself, so "
                               "these shortcuts do nothing here. In your desktop's keyboard "
                               "settings, add a shortcut for each command instead:\n"
                               "inkharbor --capture-text\n"
                               "inkharbor --capture-barcode"));
        return;
    }
    if (!keyBindings_.desktopBindsShortcuts()) {
        section_->setFooter({});
        return;
    }
    QStringList lines{tr("Your desktop keeps these shortcuts: it may ask you to confirm a new one, "
                         "and you can change them in its keyboard settings.")};
    for (const Recorder* recorder : recorders_) {
        if (!keyBindings_.readShortcut(recorder->recorder()->shortcutName()))
            continue;
        const auto trigger = keyBindings_.desktopTrigger(recorder->recorder()->shortcutName());
        lines << (trigger ? tr("%1: the desktop runs it with %2.").arg(title(recorder), *trigger)
                          : tr("%1: not bound by the desktop yet.").arg(title(recorder)));
    }
    section_->setFooter(lines.join(u'\n'));
}
