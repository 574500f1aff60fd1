#include "output/WebLink.h"

#include <algorithm>

namespace WebLink {
namespace {

bool isControl(QChar c) {
    const QChar::Category category = c.category();
    return category == QChar::Other_Control || category == QChar::Separator_Line ||
           category == QChar::Separator_Paragraph;
}

// RFC 3986: a letter, then letters, digits, "+", "-" or ".".
bool isScheme(QStringView text) {
    if (text.isEmpty() || !(text.front().isLetter() && text.front().unicode() < 0x80))
        return false;
    for (const QChar c : text) {
        const bool ascii = c.unicode() < 0x80;
        if (!ascii || !(c.isLetterOrNumber() || c == u'+' || c == u'-' || c == u'.'))
            return false;
    }
    return true;
}

} // namespace

std::optional<QUrl> parse(QStringView text) {
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty() || std::any_of(trimmed.begin(), trimmed.end(), isControl))
        return std::nullopt;
    const QUrl url(trimmed.toString(), QUrl::TolerantMode);
    if (!url.isValid() || url.host().isEmpty())
        return std::nullopt;
    const QString scheme = url.scheme().toLower();
    if (scheme != u"http" && scheme != u"https")
        return std::nullopt;
    return url;
}

bool looksLikeAddress(QStringView word) {
    if (word.startsWith(u"www.", Qt::CaseInsensitive))
        return true;
    const qsizetype separator = word.indexOf(u"://");
    return separator > 0 && isScheme(word.first(separator));
}

} // namespace WebLink
