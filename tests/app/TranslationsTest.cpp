// The translations are complete and fit the sources: lupdate run over src/
// into a copy of each translations/*.ts leaves nothing unfinished and nothing
// vanished, and every translation keeps its source's placeholders. Then the
// program picks its language, and Qt's, from the locale.
#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// %1…%99 and %n, each as often as it occurs, in order; %L1 counts as %1.
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
    QStringList found;
    QXmlStreamReader xml(ts);
    QString context, source, type;
    QStringList forms;
    bool numerus = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"name")
                context = xml.readElementText();
            else if (xml.name() == u"message")
                numerus = xml.attributes().value(u"numerus"_s) == u"yes";
            else if (xml.name() == u"source")
                source = xml.readElementText();
            else if (xml.name() == u"translation") {
                type = xml.attributes().value(u"type"_s).toString();
                forms = numerus ? QStringList() : QStringList{xml.readElementText()};
            } else if (xml.name() == u"numerusform")
                forms << xml.readElementText();
        } else if (xml.isEndElement() && xml.name() == u"message") {
            const QString where = context + u": \"" + source + u'"';
            if (type == u"unfinished")
                found << where + u" is not translated";
            else if (type == u"vanished" || type == u"obsolete")
                found << where + u" is no longer in the sources";
            else
                for (const QString& form : forms)
                    if (placeholders(form) != placeholders(source))
                        found << where + u" has other placeholders in \"" + form + u'"';
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
        <message><source>Step %1 of %2</source><translation>Schritt %1</translation></message>
        <message numerus="yes"><source>%n word(s)</source><translation>
            <numerusform>%n Wort</numerusform><numerusform>Wörter</numerusform>
        </translation></message></context></TS>)"_s;
    EXPECT_EQ(problems(ts),
              (QStringList{u"Pane: \"New\" is not translated"_s,
                           u"Pane: \"Gone\" is no longer in the sources"_s,
                           u"Pane: \"Step %1 of %2\" has other placeholders in \"Schritt %1\""_s,
                           u"Pane: \"%n word(s)\" has other placeholders in \"Wörter\""_s}));
}

TEST(Translations, EveryLanguageTranslatesEveryTextOfTheSources) {
    const QString root = qEnvironmentVariable("INKHARBOR_SOURCE_DIR");
    const QString lupdate = qEnvironmentVariable("INKHARBOR_LUPDATE");
    ASSERT_FALSE(root.isEmpty() || lupdate.isEmpty()) << "the test's environment names both";
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QStringList files = QDir(root + u"/translations"_s).entryList({u"*.ts"_s});
    EXPECT_TRUE(files.contains(u"inkharbor_de.ts"_s) && files.contains(u"inkharbor_es.ts"_s));
    for (const QString& name : files) {
        const QString copy = scratch.filePath(name);
        ASSERT_TRUE(QFile::copy(root + u"/translations/"_s + name, copy));
        // As scripts/update-translations.sh runs it, but keeping what vanished.
        QStringList arguments{u"-locations"_s, u"none"_s, root + u"/src"_s, u"-ts"_s, copy};
        if (name == u"inkharbor_en.ts") // English gives only the plural forms
            arguments.prepend(u"-pluralonly"_s);
        QProcess process;
        process.start(lupdate, arguments);
        ASSERT_TRUE(process.waitForFinished(60'000) && process.exitCode() == 0)
            << process.readAllStandardError().toStdString();
        QFile updated(copy);
        ASSERT_TRUE(updated.open(QIODevice::ReadOnly));
        const QStringList found = problems(QString::fromUtf8(updated.readAll()));
        EXPECT_TRUE(found.isEmpty()) << qPrintable(name) << " (scripts/update-translations.sh):\n"
                                     << qPrintable(found.join(u'\n'));
    }
}

// Each case installs the translations for one locale and puts the English
// ones of the other tests back afterwards.
class TranslationsInstall : public ::testing::Test {
protected:
    static void removeAll() {
        for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }
    void TearDown() override {
        removeAll();
        Translations::install(QLocale(QLocale::English));
    }
    static QString text(const char* context, const char* source, int n = -1) {
        return QCoreApplication::translate(context, source, nullptr, n);
    }
};

TEST_F(TranslationsInstall, TheLocalesLanguageWithQtsTextsAndEnglishOtherwise) {
    removeAll();
    Translations::install(QLocale(u"de_AT"_s));
    EXPECT_EQ(text("MenuBarContent", "Capture Text"), u"Text erfassen"_s);
    EXPECT_EQ(text("AppCoordinator", "Copied %n word(s)", 2), u"2 Wörter kopiert"_s);
    EXPECT_EQ(text("QPlatformTheme", "Cancel"), u"Abbrechen"_s) << "qt6-translations-l10n";
    EXPECT_EQ(text("QShortcut", "Meta"), u"Super"_s);

    removeAll();
    Translations::install(QLocale(u"es_MX"_s));
    EXPECT_EQ(text("MenuBarContent", "Capture Text"), u"Capturar texto"_s);
    EXPECT_EQ(text("HistoryView", "%n capture(s)", 1), u"1 captura"_s);

    // A language the program does not speak: English throughout, Qt's too.
    removeAll();
    Translations::install(QLocale(u"fr_FR"_s));
    EXPECT_EQ(text("MenuBarContent", "Capture Text"), u"Capture Text"_s);
    EXPECT_EQ(text("AppCoordinator", "Copied %n word(s)", 1), u"Copied 1 word"_s);
    EXPECT_EQ(text("QPlatformTheme", "Cancel"), u"Cancel"_s);
}

} // namespace
