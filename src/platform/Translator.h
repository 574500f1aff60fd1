#pragma once

#include "platform/TranslationPair.h"

#include <qcoro/qcorotask.h>

#include <vector>

// Translates on this machine; nothing leaves it.
class Translator {
public:
    virtual ~Translator() = default;

    virtual QCoro::Task<std::vector<TranslationPair>> installedPairs() = 0;
    // Throws Error when the translation fails.
    virtual QCoro::Task<QString> translate(QString text, TranslationPair pair) = 0;
};
