#include "CharacterErrorRate.h"

#include <QList>
#include <QStringList>

#include <algorithm>

namespace {

QList<uint> collapsed(const QString& text) {
    return text.simplified().toUcs4();
}

QList<uint> rows(const QString& text) {
    QStringList lines;
    for (const auto& line : text.split(u'\n')) {
        const QString row = line.simplified();
        if (!row.isEmpty())
            lines << row;
    }
    return lines.join(u'\n').toUcs4();
}

CharacterErrors distance(const QList<uint>& a, const QList<uint>& b) {
    QList<qsizetype> previous(b.size() + 1);
    QList<qsizetype> current(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        previous[j] = j;
    for (qsizetype i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const qsizetype substitution = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, substitution});
        }
        std::swap(previous, current);
    }
    return {previous[b.size()], a.size()};
}

} // namespace

CharacterErrors characterErrors(const QString& truth, const QString& recognized) {
    return distance(collapsed(truth), collapsed(recognized));
}

CharacterErrors rowErrors(const QString& truth, const QString& recognized) {
    return distance(rows(truth), rows(recognized));
}
