#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUuid>

// One history record: a delivered text and when it was delivered. A record is
// never changed after it is made; its id is its identity in the store and in
// the history window's list.
struct Capture {
    QUuid id;
    QDateTime date;
    QString text;
    // The guessed language of the text: at most one code, empty when unknown.
    QStringList languages;
    // User-perceived characters (grapheme clusters) of the text.
    qint64 charCount = 0;

    Capture() = default;
    // A new record with a fresh random id; the characters are counted here, once.
    Capture(QString text, QStringList languages, QDateTime date);

    // A record read back from the store, exactly as it was written.
    static Capture restored(QUuid storedId, QDateTime storedDate, QString storedText,
                            QStringList storedLanguages, qint64 storedCharCount);

    bool operator==(const Capture&) const = default;
};
