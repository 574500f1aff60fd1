#pragma once

#include "platform/Translator.h"

#include <QStringList>

#include <chrono>

// Offline translation with Apertium: the installed pairs are the mode files
// of the installed language data, and a translation runs `apertium <mode>`
// with the text on standard input (no shell in between).
class ApertiumTranslator : public Translator {
public:
    explicit ApertiumTranslator(
        QStringList modeDirectories = {QStringLiteral("/usr/share/apertium/modes"),
                                       QStringLiteral("/usr/local/share/apertium/modes")},
        QString program = QStringLiteral("apertium"),
        std::chrono::milliseconds timeout = std::chrono::seconds(30));

    QCoro::Task<std::vector<TranslationPair>> installedPairs() override;
    QCoro::Task<QString> translate(QString text, TranslationPair pair) override;

private:
    QStringList modeNames() const;

    QStringList modeDirectories_;
    QString program_;
    std::chrono::milliseconds timeout_;
};
