#include "settings/ShortcutsSettingsPane.h"

#include "KeyBindings/KeyBindings.h"
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
    : SettingsForm(parent)
    , captureText_(new Recorder(tr("Capture text:"), environment, HotkeyService::captureText()))
    , captureBarcode_(
          new Recorder(tr("Read QR / barcode:"), environment, HotkeyService::captureBarcode())) {
    auto* section = new SettingsSection;
    section->addRow(row(captureText_));
    section->addRow(row(captureBarcode_));
    if (!environment.keyBindings.grabsKeys()) {
        // Recording a shortcut here would promise what the desktop does not keep.
        captureText_->setEnabled(false);
        captureBarcode_->setEnabled(false);
        section->setFooter(tr("This desktop lets no program take key combinations for itself, so "
                              "these shortcuts do nothing here. In your desktop's keyboard "
                              "settings, add a shortcut for each command instead:\n"
                              "inkharbor --capture-text\n"
                              "inkharbor --capture-barcode"));
        section->footer()->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    addSection(section);
}
