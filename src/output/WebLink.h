#pragma once

#include <QStringView>
#include <QUrl>

#include <optional>

// What "Open Link" makes of a scanned payload, and which words are addresses.
// Pure functions, so the toast and the look-up rule agree.
namespace WebLink {

// The web address a text is, read as a browser's address bar reads one:
// white space around it is dropped, and spaces, "|" and the like inside it
// are percent-encoded. None unless the scheme is http or https (in any case)
// and there is a host, and none for a text holding a line break or another
// control character: two payloads are never one address.
std::optional<QUrl> parse(QStringView text);

// Whether a word is written as an address, "scheme://…" or "www.…": a
// dictionary has no entry for one.
bool looksLikeAddress(QStringView word);

} // namespace WebLink
