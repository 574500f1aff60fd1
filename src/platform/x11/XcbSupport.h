#pragma once

#include <QByteArray>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

// Small helpers for talking to the X server through Qt's own connection.
namespace Xcb {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
// xcb replies are malloc'ed and freed by the caller.
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

// Qt's connection, or null when the program does not run on X11.
xcb_connection_t* qtConnection();
xcb_window_t rootWindow(xcb_connection_t* c);
xcb_atom_t atom(xcb_connection_t* c, const char* name, bool onlyIfExists = false);
// A property's bytes (at most 4 MB), empty when it is missing.
QByteArray property(xcb_connection_t* c, xcb_window_t window, xcb_atom_t name, xcb_atom_t type);

} // namespace Xcb
