#include "platform/ApertiumModes.h"
#include "platform/ApertiumTranslator.h"
#include "platform/Error.h"
#include "support/Async.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using ApertiumModes::choose;
using ApertiumModes::parse;

TEST(ApertiumModes, ReadsOldAndNewPairNames) {
    EXPECT_EQ(parse(QStringLiteral("eng-spa"))->pair,
              (TranslationPair{QStringLiteral("en"), QStringLiteral("es")}));
    EXPECT_EQ(parse(QStringLiteral("fr-es"))->pair,
              (TranslationPair{QStringLiteral("fr"), QStringLiteral("es")}));
    EXPECT_TRUE(parse(QStringLiteral("spa-eng_US"))->hasVariant);
    EXPECT_EQ(parse(QStringLiteral("oci_aran-cat"))->pair.source, QStringLiteral("oc"));
    // Chained, debugging and unknown-language modes are not pairs.
    for (const char* name : {"eco-es-fr", "eng-spa-morph", "eng", "xqz-spa", "eng-eng", "a_b_c-es"})
        EXPECT_EQ(parse(QString::fromUtf8(name)), std::nullopt) << name;
}

TEST(ApertiumModes, OneModePerPairPreferringNoVariant) {
    const std::vector<ApertiumModes::Mode> modes =
        choose({QStringLiteral("spa-eng_US"), QStringLiteral("spa-eng"), QStringLiteral("es-fr"),
                QStringLiteral("eco-es-fr"), QStringLiteral("cat-eng_US")});
    ASSERT_EQ(modes.size(), 3u);
    EXPECT_EQ(modes[0].name, QStringLiteral("cat-eng_US")); // the only one for its pair
    EXPECT_EQ(modes[1].name, QStringLiteral("es-fr"));
    EXPECT_EQ(modes[2].name, QStringLiteral("spa-eng"));
}

TEST(ApertiumTranslator, TranslatesThroughTheInstalledPair) {
    ApertiumTranslator translator;
    const std::vector<TranslationPair> pairs = TestAsync::run(translator.installedPairs());
    const TranslationPair english{QStringLiteral("en"), QStringLiteral("es")};
    ASSERT_NE(std::find(pairs.begin(), pairs.end(), english), pairs.end());
    // Quotes, a semicolon and a dollar sign reach Apertium as text, not as shell syntax.
    const QString translation = TestAsync::run(
        translator.translate(QStringLiteral("The house is red; \"$HOME\" `ls`"), english));
    EXPECT_TRUE(translation.startsWith(u"La casa es roja;")) << translation.toStdString();
    EXPECT_TRUE(translation.contains(u"\"$") && translation.contains(u"`ls`"));
}

TEST(ApertiumTranslator, ReportsMissingPairsAndPrograms) {
    QTemporaryDir dir;
    QFile mode(dir.path() + u"/eng-spa.mode");
    ASSERT_TRUE(mode.open(QIODevice::WriteOnly));
    mode.close();
    ApertiumTranslator missingProgram({dir.path()}, dir.path() + u"/no-such-apertium");
    const TranslationPair english{QStringLiteral("en"), QStringLiteral("es")};
    EXPECT_EQ(TestAsync::run(missingProgram.installedPairs()), std::vector{english});
    EXPECT_THROW(TestAsync::run(missingProgram.translate(QStringLiteral("x"), english)),
                 std::exception);
    EXPECT_THROW(TestAsync::run(missingProgram.translate(
                     QStringLiteral("x"), {QStringLiteral("de"), QStringLiteral("en")})),
                 std::exception);
    // A translator that fails is an error, never an empty translation.
    ApertiumTranslator failing({dir.path()}, QStringLiteral("false"));
    EXPECT_THROW(TestAsync::run(failing.translate(QStringLiteral("x"), english)), std::exception);
}

} // namespace
