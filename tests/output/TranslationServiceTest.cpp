#include "output/TranslationService.h"
#include "support/Async.h"
#include "support/FakeTranslator.h"

#include <gtest/gtest.h>

namespace {

const std::vector<TranslationPair> installed{{QStringLiteral("es"), QStringLiteral("en")},
                                             {QStringLiteral("en"), QStringLiteral("es")},
                                             {QStringLiteral("zh"), QStringLiteral("en")}};

TEST(TranslationAvailability, NeedsAPairFromTheTextsLanguageIntoTheUsers) {
    using S = TranslationService;
    EXPECT_TRUE(S::pairFor(installed, QStringLiteral("es"), QStringLiteral("en")));
    EXPECT_FALSE(S::pairFor(installed, QStringLiteral("de"), QStringLiteral("en")));
    EXPECT_FALSE(S::pairFor(installed, QStringLiteral("en"), QStringLiteral("fr")));
    // Already in the user's language, whatever the region or script.
    EXPECT_FALSE(S::pairFor(installed, QStringLiteral("en"), QStringLiteral("en")));
    EXPECT_FALSE(S::pairFor(installed, QStringLiteral("en-GB"), QStringLiteral("en_US.UTF-8")));
    EXPECT_EQ(S::pairFor(installed, QStringLiteral("zh-Hans"), QStringLiteral("en_GB.UTF-8")),
              installed[2]);
    EXPECT_TRUE(S::pairFor(installed, QStringLiteral("spa"), QStringLiteral("en")));
    EXPECT_FALSE(S::pairFor(installed, QString(), QStringLiteral("en")));
}

TEST(TranslationAvailability, AsksOnlyForTextWithADetectedLanguage) {
    FakeTranslator translator;
    QStringList detected{QStringLiteral("es")};
    TranslationService service(
        translator, [&](const QString&) { return detected; }, QStringLiteral("en"));
    EXPECT_TRUE(TestAsync::run(service.availablePair(QStringLiteral("La casa es roja."))));
    EXPECT_FALSE(TestAsync::run(service.availablePair(QStringLiteral(" \n\t"))));
    detected.clear();
    EXPECT_FALSE(TestAsync::run(service.availablePair(QStringLiteral("???"))));
    EXPECT_EQ(translator.pairQueries, 1);

    // A failing translator means "not available", never an error.
    detected = {QStringLiteral("es")};
    translator.fails = true;
    EXPECT_FALSE(TestAsync::run(service.availablePair(QStringLiteral("Hola"))));
    EXPECT_THROW(TestAsync::run(service.translate(QStringLiteral("Hola"))), std::exception);
}

TEST(TranslationAvailability, TranslatesIntoTheUsersLanguage) {
    FakeTranslator translator;
    TranslationService service(
        translator, [](const QString&) { return QStringList{QStringLiteral("es")}; },
        QStringLiteral("en"));
    EXPECT_EQ(TestAsync::run(service.translate(QStringLiteral("hola"))),
              QStringLiteral("en: HOLA"));
}

} // namespace
