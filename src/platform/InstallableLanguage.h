#pragma once

#include <QString>

// A language the recogniser reads once its data is installed, and the
// distribution's package that installs it.
struct InstallableLanguage {
    QString code;    // BCP 47, as the recogniser reports the language once installed
    QString package; // "tesseract-ocr-rus"

    bool operator==(const InstallableLanguage&) const = default;
};
