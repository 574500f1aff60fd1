#pragma once

#include <QString>

// Edit distance in Unicode scalars between the truth and the recognised text,
// both with every run of white space collapsed to one space and trimmed.
struct CharacterErrors {
    qsizetype errors = 0;
    qsizetype length = 0; // scalars in the collapsed truth
};

CharacterErrors characterErrors(const QString& truth, const QString& recognized);
