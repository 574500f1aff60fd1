#pragma once

#include "KeyBindings/KeyBindings.h"
#include "app/CaptureMode.h"

#include <functional>

// The program's two global shortcuts and what they do: Super+Shift+T (by
// default) captures text, the barcode shortcut (none until the user records
// one) reads codes. Both act when the keys are released.
class HotkeyService {
public:
    // Declares both names, which puts captureText's default into a fresh store.
    explicit HotkeyService(KeyBindings& keyBindings);

    static KeyBindings::Name captureText();
    static KeyBindings::Name captureBarcode();

    // Called once at launch with the coordinator's capture request.
    void registerHandlers(std::function<void(CaptureMode)> handler);

private:
    KeyBindings& keyBindings_;
};
