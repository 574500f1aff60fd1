#pragma once

#include <QString>

// One direction a translator can translate, as language codes (ISO 639-1
// where the language has one: "en", "es").
struct TranslationPair {
    QString source;
    QString target;
    bool operator==(const TranslationPair&) const = default;
};
