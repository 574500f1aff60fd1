#include "settings/ShortcutsSettingsPane.h"

#include "KeyBindings/Recorder.h"
#include "app/HotkeyService.h"
#include "settings/SettingsSection.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {

// A recorder as a row of the form, named for assistive technology by its
// title without the colon.
QWidget* row(Recorder* recorder) {
    QString name = recorder->label()->text();
    if (name.endsWith(u':'))
        name.chop(1);
    recorder->recorder()->setAccessibleName(name);
    recorder->recorder()->setMinimumWidth(200); // room for "Super+Ctrl+Alt+Shift+B"

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
    section->addRow(
        row(new Recorder(tr("Capture text:"), environment, HotkeyService::captureText())));
    section->addRow(
        row(new Recorder(tr("Read QR / barcode:"), environment, HotkeyService::captureBarcode())));
    addSection(section);
}
