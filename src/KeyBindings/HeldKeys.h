#pragma once

#include <QtGlobal>

#include <map>
#include <optional>

// Pairs each release of a shortcut's key with the press that started it. The
// release cannot be matched on its own modifiers: people let go of the keys in
// any order, and Control and Shift often come up before the T.
class HeldKeys {
public:
    // A key already held: its press is an auto-repeat.
    bool isHeld(quint32 key) const { return held_.contains(key); }
    void press(quint32 key, qint64 hotKeyId) { held_[key] = hotKeyId; }
    // The hot key whose press this release ends, if any.
    std::optional<qint64> release(quint32 key);
    // Drops the presses of a hot key that no longer exists.
    void forget(qint64 hotKeyId);
    void clear() { held_.clear(); }

private:
    std::map<quint32, qint64> held_;
};
