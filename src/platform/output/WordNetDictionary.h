#pragma once

#include "platform/Dictionary.h"

// The local WordNet database. WordNet's library keeps its open files and
// result buffers in global variables, so it is used from the main thread
// only and opened on the first look-up.
class WordNetDictionary : public Dictionary {
public:
    WordNetDictionary() = default;

    std::vector<DictionaryEntry> definitions(const QString& term) override;

private:
    void open();
    bool isOpen_ = false;
};
