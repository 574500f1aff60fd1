#include "output/TranslationService.h"
#include "support/Async.h"
#include "support/FakeTranslator.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const std::vector<TranslationPair> installed{
    {u"es"_s, u"en"_s}, {u"en"_s, u"es"_s}, {u"zh"_s, u"en"_s}};

TEST(TranslationAvailability, NeedsAPairFromTheTextsLanguageIntoTheUsers) {
    using S = TranslationService;
    EXPECT_TRUE(S::pairFor(installed, u"es"_s, u"en"_s));
    EXPECT_FALSE(S::pairFor(installed, u"de"_s, u"en"_s));
    EXPECT_FALSE(S::pairFor(installed, u"en"_s, u"fr"_s));
    // Already in the user's language, whatever the region or script.
    EXPECT_FALSE(S::pairFor(installed, u"en"_s, u"en"_s));
    EXPECT_FALSE(S::pairFor(installed, u"en-GB"_s, u"en_US.UTF-8"_s));
    EXPECT_EQ(S::pairFor(installed, u"zh-Hans"_s, u"en_GB.UTF-8"_s), installed[2]);
    EXPECT_TRUE(S::pairFor(installed, u"spa"_s, u"en"_s));
    EXPECT_FALSE(S::pairFor(installed, QString(), u"en"_s));
}

TEST(TranslationAvailability, AsksOnlyForTextWithADetectedLanguage) {
    FakeTranslator translator;
    QStringList detected{u"es"_s};
    TranslationService service(
        translator, [&](const QString&) { return detected; }, u"en"_s);
    EXPECT_TRUE(TestAsync::run(service.availablePair(u"La casa es roja."_s)));
    EXPECT_FALSE(TestAsync::run(service.availablePair(u" \n\t"_s)));
    detected.clear();
    EXPECT_FALSE(TestAsync::run(service.availablePair(u"???"_s)));
    EXPECT_EQ(translator.pairQueries, 1);

    // A failing translator means "not available", never an error.
    detected = {u"es"_s};
    translator.fails = true;
    EXPECT_FALSE(TestAsync::run(service.availablePair(u"Hola"_s)));
    EXPECT_THROW(TestAsync::run(service.translate(u"Hola"_s)), std::exception);
}

} // namespace
