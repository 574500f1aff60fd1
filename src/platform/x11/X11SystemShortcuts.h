#pragma once

#include "platform/SystemShortcuts.h"

#include <QByteArray>

// X11 keeps no list of the desktop's shortcuts, but the server refuses a key
// grab that another client holds: a trial grab finds out. It runs on a
// connection of its own, so our own grabs count as another client's and the
// trial never disturbs them.
class X11SystemShortcuts final : public SystemShortcuts {
public:
    // An empty display name means $DISPLAY.
    explicit X11SystemShortcuts(QByteArray displayName = {});

    bool isTaken(const Shortcut& shortcut) override;

private:
    QByteArray displayName_;
};
