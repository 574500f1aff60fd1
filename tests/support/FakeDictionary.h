#pragma once

#include "platform/Dictionary.h"
#include "platform/Error.h"

#include <QStringList>

// A dictionary that knows one word.
class FakeDictionary : public Dictionary {
public:
    std::vector<DictionaryEntry> definitions(const QString& term) override {
        asked.append(term);
        if (fails)
            throw Error(QStringLiteral("The dictionary database could not be opened."));
        if (term == u"running")
            return {{QStringLiteral("run"),
                     QStringLiteral("verb"),
                     {{{}, QStringLiteral("move fast"), {}}}}};
        return {};
    }
    QStringList asked;
    bool fails = false;
};

// A dictionary that knows no word.
class NoDictionary : public Dictionary {
public:
    std::vector<DictionaryEntry> definitions(const QString&) override { return {}; }
};
