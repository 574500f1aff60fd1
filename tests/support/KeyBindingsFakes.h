#pragma once

#include "platform/HotKeyGrabber.h"
#include "platform/KeyboardLayout.h"
#include "platform/SystemShortcuts.h"

#include <map>
#include <set>
#include <utility>

// A desktop that grants every grab except those it was told are taken, and
// lets a test press and release what is grabbed.
class FakeHotKeyGrabber final : public HotKeyGrabber {
public:
    bool grab(qint64 id, const Shortcut& shortcut) override {
        if (refused.contains(shortcut))
            return false;
        grabs[id] = shortcut;
        return true;
    }
    void ungrab(qint64 id) override { grabs.erase(id); }
    void setHandler(Handler h) override { handler = std::move(h); }

    bool isGrabbed(const Shortcut& shortcut) const {
        for (const auto& [id, s] : grabs)
            if (s == shortcut)
                return true;
        return false;
    }
    // Presses and releases the grabbed shortcut; false when it is not grabbed.
    bool send(const Shortcut& shortcut, Event event) {
        for (const auto& [id, s] : grabs) {
            if (s == shortcut && handler) {
                handler(id, event);
                return true;
            }
        }
        return false;
    }
    bool click(const Shortcut& shortcut) {
        return send(shortcut, Event::pressed) && send(shortcut, Event::released);
    }

    // With desktopBinds, the desktop binds what is grabbed and answers with bind().
    Reach reach() const override { return desktopBinds ? Reach::desktopBinds : Reach::grabs; }
    std::optional<QString> boundTrigger(const Shortcut& shortcut) const override {
        return bound.contains(shortcut) ? std::optional(bound.at(shortcut)) : std::nullopt;
    }
    void setDescriber(Describer d) override { describe = std::move(d); }
    void setChangeHandler(std::function<void()> h) override { changed = std::move(h); }
    void bind(const Shortcut& shortcut, const QString& trigger) {
        bound[shortcut] = trigger;
        changed();
    }

    std::set<Shortcut> refused;
    std::map<qint64, Shortcut> grabs;
    Handler handler;
    bool desktopBinds = false;
    std::map<Shortcut, QString> bound;
    Describer describe;
    std::function<void()> changed;
};

class FakeSystemShortcuts final : public SystemShortcuts {
public:
    bool isTaken(const Shortcut& shortcut) override {
        ++checks;
        return taken.contains(shortcut);
    }
    std::set<Shortcut> taken;
    int checks = 0;
};

// A layout that prints only what it was given.
class FakeKeyboardLayout final : public KeyboardLayout {
public:
    std::optional<QString> character(qint64 keyCode) const override {
        if (auto it = characters.find(keyCode); it != characters.end())
            return it->second;
        return std::nullopt;
    }
    std::map<qint64, QString> characters;
};

inline bool operator<(const Shortcut& a, const Shortcut& b) {
    return std::pair(a.carbonKeyCode, a.carbonModifiers) <
           std::pair(b.carbonKeyCode, b.carbonModifiers);
}
