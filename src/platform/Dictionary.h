#pragma once

#include <QString>
#include <QStringList>

#include <vector>

struct DictionarySense {
    QStringList synonyms; // the other words of the same meaning
    QString definition;
    QStringList examples;
};

// The meanings of one word form in one part of speech.
struct DictionaryEntry {
    QString headword;     // the form found, e.g. "run" for "running"
    QString partOfSpeech; // "noun", "verb", "adjective", "adverb"
    std::vector<DictionarySense> senses;
};

// A dictionary on this machine.
class Dictionary {
public:
    virtual ~Dictionary() = default;

    // What the dictionary knows of a word or phrase, including its base forms
    // ("running" also gives "run"); empty when it knows nothing. Throws Error
    // when the dictionary itself cannot be read.
    virtual std::vector<DictionaryEntry> definitions(const QString& term) = 0;
};
