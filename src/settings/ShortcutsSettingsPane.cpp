#include "settings/ShortcutsSettingsPane.h"

#include "KeyBindings/Key.h"
#include "KeyBindings/KeyBindings.h"
#include "KeyBindings/Recorder.h"
#include "app/HotkeyService.h"
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

// A recorder as a row of the form, named for assistive technology by its
// title without the colon.
QWidget* row(Recorder* recorder, const RecorderEnvironment& environment) {
    QString name = recorder->label()->text();
    if (name.endsWith(u':'))
        name.chop(1);
    recorder->recorder()->setAccessibleName(name);
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
    : SettingsForm(parent) {
    auto* section = new SettingsSection;
    auto* captureText =
        new Recorder(tr("Capture text:"), environment, HotkeyService::captureText());
    auto* captureBarcode =
        new Recorder(tr("Read QR / barcode:"), environment, HotkeyService::captureBarcode());
    section->addRow(row(captureText, environment));
    section->addRow(row(captureBarcode, environment));
    if (!environment.keyBindings.grabsKeys()) {
        // Recording a shortcut here would promise what the desktop does not keep.
        captureText->setEnabled(false);
        captureBarcode->setEnabled(false);
        section->setFooter(tr("This desktop lets no program take key combinations for itself, so "
                              "these shortcuts do nothing here. In your desktop's keyboard "
                              "settings, add a shortcut for each command instead:\n"
                              "inkharbor --capture-text\n"
                              "inkharbor --capture-barcode"));
        section->footer()->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    addSection(section);
}
