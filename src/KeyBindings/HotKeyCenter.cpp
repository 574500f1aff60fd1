#include "KeyBindings/HotKeyCenter.h"

#include "KeyBindings/HotKey.h"

#include <vector>

namespace {

// The hot key may be destroyed by its own action (a handler that rewrites the
// shortcut): call a copy.
void call(const HotKey::Action& action) {
    if (const HotKey::Action copy = action)
        copy();
}

} // namespace

HotKeyCenter::HotKeyCenter(HotKeyGrabber& grabber)
    : grabber_(grabber) {}

HotKeyCenter::~HotKeyCenter() {
    if (hasEventHandler_)
        grabber_.setHandler({});
}

bool HotKeyCenter::registerHotKey(HotKey& hotKey) {
    if (!grabber_.grab(hotKey.id(), hotKey.shortcut()))
        return false;
    hotKey.isGrabbed_ = true;
    hotKeys_[hotKey.id()] = &hotKey;
    if (!hasEventHandler_) {
        grabber_.setHandler(
            [this](qint64 id, HotKeyGrabber::Event event) { handleGrabberEvent(id, event); });
        hasEventHandler_ = true;
    }
    applyMode();
    return true;
}

void HotKeyCenter::forget(HotKey& hotKey) {
    if (hotKey.isGrabbed_) {
        grabber_.ungrab(hotKey.id());
        hotKey.isGrabbed_ = false;
    }
    hotKeys_.erase(hotKey.id());
}

void HotKeyCenter::setEnabled(bool enabled) {
    if (isEnabled_ == enabled)
        return;
    isEnabled_ = enabled;
    updateMode();
}

void HotKeyCenter::setMenuOpen(bool open) {
    if (isMenuOpen_ == open)
        return;
    isMenuOpen_ = open;
    updateMode();
}

HotKeyCenter::Mode HotKeyCenter::computedMode() const {
    if (!isEnabled_)
        return Mode::disabled;
    return isMenuOpen_ ? Mode::menuOpen : Mode::normal;
}

void HotKeyCenter::updateMode() {
    const Mode mode = computedMode();
    if (mode == mode_)
        return;
    mode_ = mode;
    if (hasEventHandler_)
        applyMode();
}

void HotKeyCenter::applyMode() {
    if (mode_ == Mode::normal) {
        std::vector<qint64> refused;
        for (auto& [id, hotKey] : hotKeys_) {
            if (hotKey->isGrabbed_)
                continue;
            if (grabber_.grab(id, hotKey->shortcut()))
                hotKey->isGrabbed_ = true;
            else
                refused.push_back(id);
        }
        // The callbacks may destroy hot keys: only after the walk.
        for (qint64 id : refused) {
            HotKey* hotKey = liveHotKey(id);
            if (!hotKey)
                continue;
            hotKeys_.erase(id);
            call(hotKey->onRegistrationFailed);
        }
    } else {
        for (auto& [id, hotKey] : hotKeys_) {
            if (hotKey->isGrabbed_) {
                grabber_.ungrab(id);
                hotKey->isGrabbed_ = false;
            }
        }
    }
    isHotKeyEventHandlingEnabled_ = mode_ == Mode::normal;
    const bool raw = mode_ == Mode::menuOpen;
    if (raw != isRawKeyEventHandlingEnabled_) {
        isRawKeyEventHandlingEnabled_ = raw;
        menuHeldKeys_.clear();
    }
}

void HotKeyCenter::handleGrabberEvent(qint64 hotKeyId, HotKeyGrabber::Event event) {
    if (!isHotKeyEventHandlingEnabled_)
        return;
    HotKey* hotKey = liveHotKey(hotKeyId);
    if (!hotKey)
        return;
    call(event == HotKeyGrabber::Event::pressed ? hotKey->onKeyDown : hotKey->onKeyUp);
}

bool HotKeyCenter::handleMenuKeyEvent(EventType type, const Shortcut& event, bool isAutoRepeat) {
    if (!isRawKeyEventHandlingEnabled_)
        return false;
    const auto key = static_cast<quint32>(event.carbonKeyCode);
    if (type == EventType::keyDown) {
        if (isAutoRepeat || menuHeldKeys_.isHeld(key))
            return false;
        for (const auto& [id, hotKey] : hotKeys_) {
            if (hotKey->matches(event)) {
                menuHeldKeys_.press(key, id);
                call(hotKey->onKeyDown);
                return true;
            }
        }
        return false;
    }
    const auto id = menuHeldKeys_.release(key);
    if (!id)
        return false;
    if (HotKey* hotKey = liveHotKey(*id))
        call(hotKey->onKeyUp);
    return true;
}

HotKey* HotKeyCenter::liveHotKey(qint64 id) const {
    const auto it = hotKeys_.find(id);
    return it == hotKeys_.end() ? nullptr : it->second;
}
