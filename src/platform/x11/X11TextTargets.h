#pragma once

#include "platform/Pasteboard.h"

// How plain text is offered on an X selection.
namespace X11TextTargets {

// UTF8_STRING, text/plain;charset=utf-8 and text/plain carry the UTF-8 bytes;
// STRING carries ISO Latin-1 with '?' for each character Latin-1 lacks; TEXT,
// where the owner picks the encoding, is STRING when that loses nothing and
// UTF8_STRING otherwise.
PasteboardItem forText(const QString& text);

// ISO Latin-1 with one '?' for each code point outside it (not one per UTF-16 unit).
QByteArray toLatin1(const QString& text, bool* lossless = nullptr);

} // namespace X11TextTargets
