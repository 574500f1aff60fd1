#pragma once

#include <QRectF>
#include <QtGlobal>

// A rectangle the user selected: the display it was drawn on and the
// rectangle in points relative to that display's top-left corner, at least
// 4 × 4 and inside the display.
struct ScreenSelection {
    quint32 displayID = 0;
    QRectF rect;

    bool operator==(const ScreenSelection&) const = default;
};
