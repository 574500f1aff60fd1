#pragma once

#include "platform/Error.h"
#include "platform/Translator.h"

#include <QStringList>

// Knows the pairs it is given and "translates" by upper-casing.
class FakeTranslator : public Translator {
public:
    QCoro::Task<std::vector<TranslationPair>> installedPairs() override {
        ++pairQueries;
        if (fails)
            throw Error(QStringLiteral("translator missing"));
        // A copy: QCoro 0.8 moves from a non-const lvalue given to co_return.
        co_return std::vector<TranslationPair>(pairs);
    }
    QCoro::Task<QString> translate(QString text, TranslationPair pair) override {
        translated.append(text);
        if (fails)
            throw Error(QStringLiteral("translator missing"));
        co_return pair.target + u": " + text.toUpper();
    }

    std::vector<TranslationPair> pairs{{QStringLiteral("es"), QStringLiteral("en")}};
    int pairQueries = 0;
    QStringList translated;
    bool fails = false;
};
