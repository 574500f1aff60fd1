#pragma once

#include <QString>

// The keyboard-shortcut module's own texts, looked up by key. An unknown key
// gives the key itself, so a missing text shows up rather than vanishing.
QString localizedText(const char* key);
