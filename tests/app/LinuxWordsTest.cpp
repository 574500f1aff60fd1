// Every text a user can read goes through Qt's translation calls; none of them
// may speak of another desktop's places and keys. This reads the sources
// themselves, so a text added tomorrow is checked as well.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Text {
    QString text;
    int line = 0;
};

bool isIdentifierCharacter(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}

// One C++ string literal starting at `at` (on its opening quote), decoded.
QString readLiteral(const QString& source, qsizetype& at) {
    QString text;
    for (++at; at < source.size() && source[at] != u'"'; ++at) {
        if (source[at] != u'\\') {
            text += source[at];
            continue;
        }
        const QChar kind = source[++at];
        const auto hex = [&](int digits) {
            const char32_t scalar = source.mid(at + 1, digits).toUInt(nullptr, 16);
            at += digits;
            text += QString::fromUcs4(&scalar, 1);
        };
        if (kind == u'u')
            hex(4);
        else if (kind == u'U')
            hex(8);
        else if (kind == u'n')
            text += u'\n';
        else
            text += kind; // \" \\ and the rest: near enough for a word search
    }
    ++at;
    return text;
}

// The string literals inside each call of tr, translate and the NOOP markers,
// adjacent literals joined as the compiler joins them.
QList<Text> translatableTexts(const QString& source) {
    static const QRegularExpression call(
        uR"((?:\btr|\btranslate|QT_TR_NOOP|QT_TRANSLATE_NOOP|QT_TR_N_NOOP|QT_TRANSLATE_N_NOOP)\s*\()"_s);
    QList<Text> texts;
    for (auto match = call.globalMatch(source); match.hasNext();) {
        const auto m = match.next();
        if (m.capturedStart() > 0 && isIdentifierCharacter(source[m.capturedStart() - 1]))
            continue;
        int depth = 1;
        Text current;
        bool joining = false;
        for (qsizetype at = m.capturedEnd(); at < source.size() && depth > 0;) {
            const QChar c = source[at];
            if (c == u'"') {
                if (!joining)
                    current = Text{{}, int(source.first(at).count(u'\n')) + 1};
                current.text += readLiteral(source, at);
                joining = true;
                continue;
            }
            if (c == u'\'') { // a character literal, perhaps a quote
                at = source.indexOf(u'\'', at + (source[at + 1] == u'\\' ? 3 : 2)) + 1;
                continue;
            }
            if (!c.isSpace() && joining) {
                texts << current;
                joining = false;
            }
            depth += c == u'(' ? 1 : c == u')' ? -1 : 0;
            ++at;
        }
    }
    return texts;
}

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

TEST(LinuxWords, TheScannerFindsTextsInEveryFormAndTheWordsInThem) {
    const QString sample = uR"(auto a = tr("Paste with \u2318V.");
        auto b = QCoreApplication::translate("Ctx", "Lives in the "
                                                    "menu bar");
        const char* c = QT_TRANSLATE_NOOP("KeyBindings", "Your Mac");
        auto d = attr("Dock"); auto e = tr("It's a %1").arg("macOS");
        auto f = tr("A ')' then \"Dock\" in quotes");)"_s;
    const QList<Text> texts = translatableTexts(sample);
    QStringList all;
    for (const Text& t : texts)
        all << t.text;
    EXPECT_EQ(all, (QStringList{u"Paste with ⌘V."_s, u"Ctx"_s, u"Lives in the menu bar"_s,
                                u"KeyBindings"_s, u"Your Mac"_s, u"It's a %1"_s,
                                u"A ')' then \"Dock\" in quotes"_s}));
    EXPECT_EQ(texts[2].line, 2);
    EXPECT_EQ(foreignWords(all.join(u'|')),
              (QStringList{u"⌘"_s, u"menu bar"_s, u"Mac"_s, u"Dock"_s}));
    EXPECT_TRUE(foreignWords(u"Docked in a dock; machine; Command"_s).isEmpty());
}

TEST(LinuxWords, NoTranslatableTextOfTheProgramSpeaksOfAnotherDesktop) {
    const QString root = qEnvironmentVariable("INKHARBOR_SOURCE_DIR");
    ASSERT_FALSE(root.isEmpty()) << "INKHARBOR_SOURCE_DIR names the checkout";
    int scanned = 0;
    for (const QString& folder : {u"/src"_s, u"/tools"_s}) {
        QDirIterator files(root + folder, {u"*.cpp"_s, u"*.h"_s}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
            for (const Text& t : translatableTexts(QString::fromUtf8(file.readAll()))) {
                ++scanned;
                const QStringList found = foreignWords(t.text);
                EXPECT_TRUE(found.isEmpty())
                    << qPrintable(file.fileName()) << ":" << t.line << ": \"" << qPrintable(t.text)
                    << "\" says " << qPrintable(found.join(u", "));
            }
        }
    }
    EXPECT_GT(scanned, 150); // the scan reached the program's texts
}

} // namespace
