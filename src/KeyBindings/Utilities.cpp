#include "KeyBindings/Utilities.h"

#include "KeyBindings/KeyCodeTable.h"
#include "KeyBindings/SpecialKey.h"
#include "platform/KeyboardLayout.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>

#include <array>

namespace KeyBindingsUtilities {
namespace {

constexpr std::array<std::pair<Qt::KeyboardModifier, qint64>, 5> modifierPairs{{
    {Qt::ControlModifier, ModifierFlags::control},
    {Qt::ShiftModifier, ModifierFlags::shift},
    {Qt::AltModifier, ModifierFlags::option},
    {Qt::MetaModifier, ModifierFlags::command},
    {Qt::KeypadModifier, ModifierFlags::numericPad},
}};

QString plainTitle(QString title) {
    // A tab separates the shortcut column some menus write into the text.
    if (const qsizetype tab = title.indexOf(u'\t'); tab >= 0)
        title.truncate(tab);
    title.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    title.remove(u'&');
    title.replace(u'\x01', u'&');
    return title;
}

std::optional<QString> search(const QMenu* menu, QKeyCombination combination) {
    for (const QAction* action : menu->actions()) {
        for (const QKeySequence& sequence : action->shortcuts())
            if (sequence.count() == 1 && sequence[0] == combination)
                return plainTitle(action->text());
        if (const QMenu* submenu = action->menu())
            if (auto title = search(submenu, combination))
                return title;
    }
    return std::nullopt;
}

} // namespace

qint64 modifierFlags(Qt::KeyboardModifiers modifiers) {
    qint64 flags = 0;
    for (const auto& [modifier, flag] : modifierPairs)
        if (modifiers.testFlag(modifier))
            flags |= flag;
    return flags;
}

Qt::KeyboardModifiers qtModifiers(qint64 flags) {
    Qt::KeyboardModifiers modifiers;
    for (const auto& [modifier, flag] : modifierPairs)
        if (flags & flag)
            modifiers |= modifier;
    return modifiers;
}

bool isModifierKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Mode_switch:
        return true;
    default:
        return false;
    }
}

std::optional<qint64> carbonKeyCode(const QKeyEvent& event) {
    if (event.nativeScanCode() != 0)
        return KeyCodeTable::carbonKeyCodeForXKeycode(static_cast<int>(event.nativeScanCode()));
    return KeyCodeTable::carbonKeyCodeForQtKey(event.key(),
                                               event.modifiers().testFlag(Qt::KeypadModifier));
}

std::optional<Shortcut> shortcut(const QKeyEvent& event) {
    if (event.type() != QEvent::KeyPress && event.type() != QEvent::KeyRelease)
        return std::nullopt;
    const auto keyCode = carbonKeyCode(event);
    if (!keyCode)
        return std::nullopt;
    return Shortcut(Key{*keyCode}, modifierFlags(event.modifiers()) & ~ModifierFlags::function);
}

std::optional<QKeyCombination> menuKeyCombination(const Shortcut& shortcut,
                                                  const KeyboardLayout& layout) {
    int key = 0;
    if (const auto special = specialKey(shortcut.carbonKeyCode)) {
        const auto k = menuKey(*special);
        if (!k)
            return std::nullopt;
        key = *k;
    } else {
        const auto character = layout.character(shortcut.carbonKeyCode);
        if (!character || character->size() != 1)
            return std::nullopt;
        // Qt names a printable key by its upper-case character.
        key = character->at(0).toUpper().unicode();
    }
    return QKeyCombination(qtModifiers(shortcut.modifierFlags()), static_cast<Qt::Key>(key));
}

QKeySequence menuKeySequence(const KeyBindings& keyBindings, const KeyBindings::Name& name) {
    // A shortcut that does nothing is not shown beside the menu item.
    if (keyBindings.isRecorderActive() || !keyBindings.shortcutsAct() ||
        keyBindings.isRefused(name))
        return {};
    if (keyBindings.desktopBindsShortcuts()) {
        // What the desktop bound, where Qt reads it as one combination.
        const auto trigger = keyBindings.desktopTrigger(name);
        const QKeySequence bound =
            trigger ? QKeySequence::fromString(*trigger, QKeySequence::PortableText)
                    : QKeySequence();
        return bound.count() == 1 && bound[0].key() != Qt::Key_unknown ? bound : QKeySequence();
    }
    const auto shortcut = keyBindings.readShortcut(name);
    if (!shortcut)
        return {};
    const auto combination = menuKeyCombination(*shortcut, keyBindings.keyboardLayout());
    return combination ? QKeySequence(*combination) : QKeySequence();
}

std::optional<QString> menuItemTitle(const QList<QMenu*>& menus, QKeyCombination combination) {
    for (const QMenu* menu : menus)
        if (menu)
            if (auto title = search(menu, combination))
                return title;
    return std::nullopt;
}

} // namespace KeyBindingsUtilities
