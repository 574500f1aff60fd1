#pragma once

#include "platform/TextRecognizer.h"

// The dominant language of a text by Google's Compact Language Detector 2.
// Codes are BCP 47 as the recogniser writes them (he, not CLD2's iw; zh-Hans
// and zh-Hant for the two Chinese scripts); "und" when the detector is unsure
// or knows no language for the text.
class Cld2LanguageIdentifier : public LanguageIdentifier {
public:
    QString dominantLanguage(const QString& text) const override;

    // CLD2's code for a language, as BCP 47; "und" for its pseudo-languages.
    static QString bcp47FromCld2(const QString& code);
};
