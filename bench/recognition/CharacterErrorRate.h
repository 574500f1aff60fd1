#pragma once

#include <QString>

// Edit distance in Unicode scalars between the truth and the recognised text,
// both with every run of white space collapsed to one space and trimmed.
struct CharacterErrors {
    qsizetype errors = 0;
    qsizetype length = 0; // scalars in the collapsed truth
};

CharacterErrors characterErrors(const QString& truth, const QString& recognized);

// The same with the line breaks kept (empty lines dropped, each line's white
// space collapsed): rows merged, split or out of order count as errors.
CharacterErrors rowErrors(const QString& truth, const QString& recognized);
