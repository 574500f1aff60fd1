#include "app/HotkeyService.h"

KeyBindings::Name HotkeyService::captureText() {
    // Control-Shift-T.
    return {QStringLiteral("captureText"),
            Shortcut{Key::t.rawValue, CarbonModifiers::control | CarbonModifiers::shift}};
}

KeyBindings::Name HotkeyService::captureBarcode() {
    return {QStringLiteral("captureBarcode"), std::nullopt};
}

HotkeyService::HotkeyService(KeyBindings& keyBindings)
    : keyBindings_(keyBindings) {
    for (const KeyBindings::Name& name : {captureText(), captureBarcode()})
        keyBindings_.createName(name.rawValue, name.initialShortcut);
}

void HotkeyService::registerHandlers(std::function<void(CaptureMode)> handler) {
    keyBindings_.addKeyUpHandler(captureText(), [handler] { handler(CaptureMode::text); });
    keyBindings_.addKeyUpHandler(captureBarcode(), [handler] { handler(CaptureMode::barcode); });
}
