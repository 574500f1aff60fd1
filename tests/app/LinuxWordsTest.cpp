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

// The body of a C++ string literal, its escapes decoded near enough for a word search.
QString decoded(const QString& body) {
    static const QRegularExpression escape(uR"(\\(u[0-9a-fA-F]{4}|U[0-9a-fA-F]{8}|.))"_s);
    QString text;
    qsizetype done = 0;
    for (auto it = escape.globalMatch(body); it.hasNext();) {
        const auto m = it.next();
        const QString e = m.captured(1);
        const char32_t scalar = e.mid(1).toUInt(nullptr, 16);
        text +=
            body.mid(done, m.capturedStart() - done) + (e.size() > 1 ? QString::fromUcs4(&scalar, 1)
                                                        : e == u"n"  ? u"\n"_s
                                                                     : e);
        done = m.capturedEnd();
    }
    return text + body.mid(done);
}

// The string literals given to tr, translate and the NOOP markers, adjacent
// literals joined as the compiler joins them.
QList<Text> translatableTexts(const QString& source) {
    static const QRegularExpression call(
        uR"((?<!\w)(?:tr|translate|QT_TR_NOOP|QT_TRANSLATE_NOOP|QT_TR_N_NOOP|QT_TRANSLATE_N_NOOP)\s*\()"_s);
    static const QRegularExpression argument(uR"(\s*,?\s*((?:"(?:[^"\\]|\\.)*"\s*)+))"_s);
    static const QRegularExpression literal(uR"re("((?:[^"\\]|\\.)*)")re"_s);
    QList<Text> texts;
    for (auto calls = call.globalMatch(source); calls.hasNext();) {
        qsizetype at = calls.next().capturedEnd();
        const auto next = [&] {
            return argument.match(source, at, QRegularExpression::NormalMatch,
                                  QRegularExpression::AnchorAtOffsetMatchOption);
        };
        for (auto arg = next(); arg.hasMatch(); arg = next()) {
            Text t{{}, int(source.first(arg.capturedStart(1)).count(u'\n')) + 1};
            for (auto parts = literal.globalMatch(arg.captured(1)); parts.hasNext();)
                t.text += decoded(parts.next().captured(1));
            texts << t;
            at = arg.capturedEnd();
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
                EXPECT_TRUE(foreignWords(t.text).isEmpty())
                    << qPrintable(file.fileName()) << ":" << t.line << ": " << qPrintable(t.text);
            }
        }
    }
    EXPECT_GT(scanned, 150); // the scan reached the program's texts
}

} // namespace
