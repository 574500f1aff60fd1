#include "app/HotkeyService.h"

#include <QCoreApplication>

KeyBindings::Name HotkeyService::captureText() {
    // Super+Shift+T (Super is stored as the command bit). Ctrl+Shift+T would
    // take "reopen closed tab" from every browser and "new tab" from the
    // terminals while Inkharbor runs. A shortcut already stored, including
    // Ctrl+Shift+T from earlier versions, stays as it is.
    return {QStringLiteral("captureText"),
            Shortcut{Key::t.rawValue, CarbonModifiers::command | CarbonModifiers::shift}};
}

KeyBindings::Name HotkeyService::captureBarcode() {
    return {QStringLiteral("captureBarcode"), std::nullopt};
}

HotkeyService::HotkeyService(KeyBindings& keyBindings)
    : keyBindings_(keyBindings) {
    for (const KeyBindings::Name& name : {captureText(), captureBarcode()})
        keyBindings_.createName(name.rawValue, name.initialShortcut);
    // As the tray menu names them: a desktop that binds the shortcuts lists them so.
    keyBindings_.setTitle(captureText(),
                          QCoreApplication::translate("MenuBarContent", "Capture Text"));
    keyBindings_.setTitle(captureBarcode(),
                          QCoreApplication::translate("MenuBarContent", "Read QR / Barcode"));
}

void HotkeyService::registerHandlers(std::function<void(CaptureMode)> handler) {
    keyBindings_.addKeyUpHandler(captureText(), [handler] { handler(CaptureMode::text); });
    keyBindings_.addKeyUpHandler(captureBarcode(), [handler] { handler(CaptureMode::barcode); });
}
