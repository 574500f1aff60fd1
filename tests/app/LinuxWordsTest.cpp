// No text a user can read may speak of another desktop's places and keys. The
// texts are read from the German translation's sources, which the translation
// test keeps in step with every translatable text of the program.
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// What a Linux user does not have: the other desktop's name, places and key symbols.
QStringList foreignWords(const QString& text) {
    static const QRegularExpression words(
        uR"(\bMac\b|\bmac ?OS\b|\bOS X\b|menu ?bar|\bDock\b|\bFinder\b|System Preferences|)"
        uR"(Screen Recording|\bCmd\b|[⌘⌃⌥⇧⎋⌫⌦])"_s,
        QRegularExpression::CaseInsensitiveOption);
    QStringList found;
    for (auto match = words.globalMatch(text); match.hasNext();)
        found << match.next().captured();
    // "Dock" and "Mac" are words of the other desktop only when capitalised.
    found.removeIf([](const QString& w) { return w == u"dock" || w == u"mac"; });
    return found;
}

TEST(LinuxWords, TheWordsOfAnotherDesktopAreFound) {
    EXPECT_EQ(foreignWords(u"Paste with ⌘V.|Lives in the menu bar|Your Mac|\"Dock\""_s),
              (QStringList{u"⌘"_s, u"menu bar"_s, u"Mac"_s, u"Dock"_s}));
    EXPECT_TRUE(foreignWords(u"Docked in a dock; machine; Command"_s).isEmpty());
}

TEST(LinuxWords, NoTranslatableTextOfTheProgramSpeaksOfAnotherDesktop) {
    QFile file(qEnvironmentVariable("INKHARBOR_SOURCE_DIR") + u"/translations/inkharbor_de.ts"_s);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
    QXmlStreamReader xml(&file);
    int scanned = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"source") {
            const QString text = xml.readElementText();
            ++scanned;
            EXPECT_TRUE(foreignWords(text).isEmpty()) << qPrintable(text);
        }
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(xml.errorString());
    EXPECT_GT(scanned, 150); // the scan reached the program's texts
}

} // namespace
