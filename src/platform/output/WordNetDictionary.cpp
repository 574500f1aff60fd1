#include "platform/output/WordNetDictionary.h"

#include "platform/Error.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QThread>

#include <wn.h>

#include <algorithm>

namespace {

// WordNet reports problems by printing them; we report them as errors instead.
int quietMessage(char*) {
    return 0;
}

const char* partOfSpeechName(int pos) {
    switch (pos) {
    case NOUN:
        return "noun";
    case VERB:
        return "verb";
    case ADJ:
        return "adjective";
    default:
        return "adverb";
    }
}

// WordNet writes phrases with underscores and marks some adjectives with
// their syntactic position, as in "running(a)".
QString displayWord(const char* word) {
    static const QRegularExpression marker(QStringLiteral("\\((a|p|ip)\\)$"));
    QString text = QString::fromUtf8(word);
    text.remove(marker);
    text.replace(u'_', u' ');
    return text;
}

// A gloss reads `(definition; "example"; "example")`.
DictionarySense parseGloss(const char* gloss) {
    QString text = QString::fromUtf8(gloss).trimmed();
    if (text.startsWith(u'(') && text.endsWith(u')'))
        text = text.sliced(1, text.size() - 2);
    DictionarySense sense;
    const QStringList parts = text.split(QStringLiteral("; \""));
    sense.definition = parts.first().trimmed();
    for (qsizetype i = 1; i < parts.size(); ++i) {
        QString example = parts[i].trimmed();
        if (example.endsWith(u'"'))
            example.chop(1);
        if (!example.isEmpty())
            sense.examples.append(example);
    }
    return sense;
}

DictionaryEntry entryFor(SynsetPtr synsets, const QString& headword, int pos) {
    DictionaryEntry entry{headword, QString::fromLatin1(partOfSpeechName(pos)), {}};
    for (SynsetPtr synset = synsets; synset; synset = synset->nextss) {
        DictionarySense sense = synset->defn ? parseGloss(synset->defn) : DictionarySense{};
        for (int i = 0; i < synset->wcount; ++i) {
            const QString word = displayWord(synset->words[i]);
            if (word.compare(headword, Qt::CaseInsensitive) != 0 && !sense.synonyms.contains(word))
                sense.synonyms.append(word);
        }
        entry.senses.push_back(std::move(sense));
    }
    return entry;
}

} // namespace

void WordNetDictionary::open() {
    if (isOpen_)
        return;
    display_message = quietMessage;
    if (wninit() != 0)
        throw Error(QCoreApplication::translate("WordNetDictionary",
                                                "The dictionary database could not be opened."));
    isOpen_ = true;
}

std::vector<DictionaryEntry> WordNetDictionary::definitions(const QString& term) {
    Q_ASSERT(QThread::currentThread() == QCoreApplication::instance()->thread());
    open();
    QByteArray key = term.simplified().toLower().toUtf8();
    key.replace(' ', '_');
    if (key.isEmpty() || key.size() > WORDBUF / 2)
        return {};

    std::vector<DictionaryEntry> entries;
    for (const int pos : {NOUN, VERB, ADJ, ADV}) {
        // The word as written, then each base form WordNet derives from it.
        std::vector<QByteArray> forms{key};
        QByteArray buffer = key;
        for (char* base = morphstr(buffer.data(), pos); base; base = morphstr(nullptr, pos)) {
            const QByteArray form(base);
            if (std::find(forms.begin(), forms.end(), form) == forms.end())
                forms.push_back(form);
        }
        for (QByteArray& form : forms) {
            SynsetPtr synsets = findtheinfo_ds(form.data(), pos, SYNS, ALLSENSES);
            if (!synsets)
                continue;
            entries.push_back(entryFor(synsets, displayWord(form.constData()), pos));
            free_syns(synsets);
        }
    }
    return entries;
}
