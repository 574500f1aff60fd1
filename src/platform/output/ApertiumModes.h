#pragma once

#include "platform/TranslationPair.h"

#include <QStringList>

#include <optional>
#include <vector>

// Apertium names its translation modes after the language pair, in the older
// two-letter codes ("en-es", "fr-es") or three-letter ones ("eng-spa"), with
// an optional variant ("spa-eng_US", "oci_aran-cat").
namespace ApertiumModes {

struct Mode {
    QString name; // what `apertium <name>` is run with
    TranslationPair pair;
    bool hasVariant = false;
};

// The language code for an Apertium code: ISO 639-1 where the language has one.
std::optional<QString> languageCode(const QString& apertiumCode);
// None for names that are not a plain pair (debugging and chained modes).
std::optional<Mode> parse(const QString& modeName);
// One mode per pair, preferring the one without a variant, in name order.
std::vector<Mode> choose(const QStringList& modeNames);

} // namespace ApertiumModes
