// The translations are complete and fit the sources: lupdate run over src/
// into a copy of each translations/*.ts leaves nothing unfinished and nothing
// vanished, and every translation keeps its source's placeholders. Then the
// program picks its language, and Qt's, from the locale.
#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// %1…%99 and %n, each as often as it occurs; %L1 counts as %1.
QStringList placeholders(const QString& text) {
    static const QRegularExpression marker(u"%L?(\\d{1,2}|n)"_s);
    QStringList found;
    for (auto match = marker.globalMatch(text); match.hasNext();)
        found << match.next().captured(1);
    found.sort();
    return found;
}

// What is wrong with a Linguist file, one line per message.
QStringList problems(const QString& ts) {
    QStringList found, forms;
    QXmlStreamReader xml(ts);
    QString source, type;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.isStartElement() && xml.name() == u"translation") {
            type = xml.attributes().value(u"type"_s).toString();
            forms.clear();
        } else if (xml.isCharacters() && !xml.isWhitespace())
            forms << xml.text().toString(); // the translation or one of its plural forms
        else if (xml.isEndElement() && xml.name() == u"message") {
            if (type == u"unfinished" || type == u"vanished" || type == u"obsolete")
                found << u'"' + source + u"\" is " + type;
            for (const QString& form : forms)
                if (type.isEmpty() && placeholders(form) != placeholders(source))
                    found << u'"' + source + u"\" has other placeholders in \"" + form + u'"';
        }
    }
    if (xml.hasError())
        found << u"not readable: "_s + xml.errorString();
    return found;
}

TEST(Translations, TheCheckFindsUnfinishedVanishedAndWrongPlaceholders) {
    const QString ts = uR"(<TS language="de"><context><name>Pane</name>
        <message><source>Fine %1</source><translation>Gut %1</translation></message>
        <message><source>New</source><translation type="unfinished"></translation></message>
        <message><source>Gone</source><translation type="vanished">Weg</translation></message>
        <message numerus="yes"><source>%n word(s)</source><translation>
            <numerusform>%n Wort</numerusform><numerusform>Wörter</numerusform>
        </translation></message></context></TS>)"_s;
    EXPECT_EQ(problems(ts),
              (QStringList{u"\"New\" is unfinished"_s, u"\"Gone\" is vanished"_s,
                           u"\"%n word(s)\" has other placeholders in \"Wörter\""_s}));
}

TEST(Translations, EveryLanguageTranslatesEveryTextOfTheSources) {
    const QString root = qEnvironmentVariable("INKHARBOR_SOURCE_DIR");
    const QString lupdate = qEnvironmentVariable("INKHARBOR_LUPDATE");
    ASSERT_FALSE(root.isEmpty() || lupdate.isEmpty()) << "the test's environment names both";
    QTemporaryDir scratch;
    const QStringList files = QDir(root + u"/translations"_s).entryList({u"*.ts"_s});
    EXPECT_TRUE(files.contains(u"inkharbor_de.ts"_s) && files.contains(u"inkharbor_es.ts"_s));
    for (const QString& name : files) {
        const QString copy = scratch.filePath(name);
        ASSERT_TRUE(QFile::copy(root + u"/translations/"_s + name, copy));
        // As scripts/update-translations.sh runs it, but keeping what vanished;
        // English gives only the plural forms.
        QStringList arguments{u"-locations"_s, u"none"_s, root + u"/src"_s, u"-ts"_s, copy};
        if (name == u"inkharbor_en.ts")
            arguments.prepend(u"-pluralonly"_s);
        QProcess process;
        process.start(lupdate, arguments);
        ASSERT_TRUE(process.waitForFinished(60'000) && process.exitCode() == 0);
        QFile updated(copy);
        ASSERT_TRUE(updated.open(QIODevice::ReadOnly));
        EXPECT_EQ(problems(QString::fromUtf8(updated.readAll())), QStringList())
            << qPrintable(name) << " (run scripts/update-translations.sh)";
    }
}

// The locale's language with Qt's own texts, and English for a language we do not speak.
TEST(Translations, InstallFollowsTheLocale) {
    const std::tuple<const char*, const char*, const char*, int, QString> cases[] = {
        {"de_AT", "MenuBarContent", "Capture Text", -1, u"Text erfassen"_s},
        {"de_AT", "AppCoordinator", "Copied %n word(s)", 2, u"2 Wörter kopiert"_s},
        {"de_AT", "QPlatformTheme", "Cancel", -1, u"Abbrechen"_s}, // qt6-translations-l10n
        {"de_AT", "QShortcut", "Meta", -1, u"Super"_s},
        {"es_MX", "HistoryView", "%n capture(s)", 1, u"1 captura"_s},
        {"fr_FR", "AppCoordinator", "Copied %n word(s)", 1, u"Copied 1 word"_s},
        {"fr_FR", "QPlatformTheme", "Cancel", -1, u"Cancel"_s}};
    const auto installOnly = [](const QLocale& locale) {
        for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
        Translations::install(locale);
    };
    for (const auto& [locale, context, source, n, expected] : cases) {
        installOnly(QLocale(QString::fromLatin1(locale)));
        EXPECT_EQ(QCoreApplication::translate(context, source, nullptr, n), expected) << locale;
    }
    installOnly(QLocale(QLocale::English)); // as the other tests expect
}

} // namespace
