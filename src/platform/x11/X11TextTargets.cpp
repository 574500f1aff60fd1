#include "platform/x11/X11TextTargets.h"

namespace X11TextTargets {

QByteArray toLatin1(const QString& text, bool* lossless) {
    QByteArray result;
    result.reserve(text.size());
    bool exact = true;
    for (const char32_t c : text.toUcs4()) {
        exact = exact && c <= 0xff;
        result.append(c <= 0xff ? char(c) : '?');
    }
    if (lossless)
        *lossless = exact;
    return result;
}

PasteboardItem forText(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    bool lossless = false;
    const QByteArray latin1 = toLatin1(text, &lossless);
    const QString string = QStringLiteral("STRING");
    const QString utf8String = QStringLiteral("UTF8_STRING");
    return {
        {utf8String, utf8, {}, 8},
        {QStringLiteral("text/plain;charset=utf-8"), utf8, {}, 8},
        {QStringLiteral("text/plain"), utf8, {}, 8},
        {string, latin1, {}, 8},
        {QStringLiteral("TEXT"), lossless ? latin1 : utf8, lossless ? string : utf8String, 8},
    };
}

} // namespace X11TextTargets
