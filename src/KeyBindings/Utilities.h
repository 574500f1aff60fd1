#pragma once

#include "KeyBindings/KeyBindings.h"
#include "KeyBindings/Shortcut.h"

#include <QKeyCombination>
#include <QKeySequence>
#include <QList>
#include <QString>

#include <optional>

class QKeyEvent;
class QMenu;

// Qt's side of shortcuts: key events, menus and their key sequences.
namespace KeyBindingsUtilities {

// Linux modifiers to shortcut modifiers: Control is control, Shift is shift,
// Alt is option and Super (Qt's Meta) is command; Num Lock's keypad flag is kept
// as the numeric-pad flag, which a shortcut drops.
qint64 modifierFlags(Qt::KeyboardModifiers modifiers);
Qt::KeyboardModifiers qtModifiers(qint64 modifierFlags);

// Control, Shift, Alt, Super and the locks: keys that are never a shortcut's key.
bool isModifierKey(int qtKey);

// The key code of a key event: from its X key code where it has one, else from
// its Qt key (events made up by tests and platforms without scan codes).
std::optional<qint64> carbonKeyCode(const QKeyEvent& event);

// The shortcut a key press or release makes: its key and modifiers, without fn.
std::optional<Shortcut> shortcut(const QKeyEvent& event);

// How a menu shows the shortcut: a named key, or the layout's character for an
// ordinary one. nullopt when the key has no character (keypad keys included).
std::optional<QKeyCombination> menuKeyCombination(const Shortcut& shortcut,
                                                  const KeyboardLayout& layout);

// What a menu item bound to the name shows: its current shortcut, or nothing
// while a recorder records or while another program holds the shortcut.
QKeySequence menuKeySequence(const KeyBindings& keyBindings, const KeyBindings::Name& name);

// The title of the first item, depth first through submenus, whose shortcut is
// the combination; its mnemonic markers removed.
std::optional<QString> menuItemTitle(const QList<QMenu*>& menus, QKeyCombination combination);

} // namespace KeyBindingsUtilities
