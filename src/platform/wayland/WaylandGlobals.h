#pragma once

#include <QStringList>

// The interfaces the compositor offers to every client (its globals), read
// once over a connection of our own, so that the program knows which ways of
// reading the screen exist before the user asks for a capture.
namespace WaylandGlobals {

// The interface names, e.g. "zwlr_screencopy_manager_v1"; empty when the
// display cannot be reached.
QStringList interfaces();

} // namespace WaylandGlobals
