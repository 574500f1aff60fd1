#include "history/Capture.h"

#include "recognition/UnicodeText.h"

Capture::Capture(QString text_, QStringList languages_, QDateTime date_)
    : id(QUuid::createUuid())
    , date(std::move(date_))
    , text(std::move(text_))
    , languages(std::move(languages_))
    , charCount(UnicodeText::characterCount(text)) {}

Capture Capture::restored(QUuid storedId, QDateTime storedDate, QString storedText,
                          QStringList storedLanguages, qint64 storedCharCount) {
    Capture c;
    c.id = storedId;
    c.date = std::move(storedDate);
    c.text = std::move(storedText);
    c.languages = std::move(storedLanguages);
    c.charCount = storedCharCount;
    return c;
}
