#pragma once

#include <QStringList>

// What one capture hands to recognition, read from the settings each time.
struct RecognitionOptions {
    bool autoDetectLanguage = true;
    QStringList preferredLanguages; // recogniser codes, in the order they were ticked
    QStringList customWords;

    bool operator==(const RecognitionOptions&) const = default;
};
