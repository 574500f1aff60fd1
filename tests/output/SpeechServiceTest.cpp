#include "output/SpeechService.h"
#include "output/ActionFailures.h"
#include "platform/output/EspeakSpeechSynthesizer.h"
#include "support/Async.h"
#include "support/FakeSpeechSynthesizer.h"
#include "support/RecordingLogSink.h"

#include <QSemaphore>

#include <gtest/gtest.h>

#include <mutex>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// What the user was told of failed speech, "message: detail".
struct Told {
    RecordingLogSink sink;
    QStringList shown;
    ActionFailures failures{sink, [this](const QString& message, const QString& detail) {
                                shown.append(message + u": " + detail);
                            }};
};

QStringList detectFirstWordAsLanguage(const QString& text) {
    // "de: Guten Tag" is German to this detector; text without a prefix is undetermined.
    const qsizetype colon = text.indexOf(u':');
    return colon > 0 ? QStringList{text.first(colon)} : QStringList{};
}

TEST(SpeechService, OnePressStartsTheNextStopsAndTheVoiceFollowsTheLanguage) {
    FakeSpeechSynthesizer synthesizer;
    Told told;
    SpeechService speech(synthesizer, detectFirstWordAsLanguage, told.failures);
    speech.toggleSpeaking(QStringLiteral("de: Guten Tag"));
    EXPECT_TRUE(speech.isSpeaking());
    // During speech another text only stops; it is never started.
    speech.toggleSpeaking(QStringLiteral("second"));
    EXPECT_FALSE(speech.isSpeaking());
    ASSERT_EQ(synthesizer.requests.size(), 1u);
    EXPECT_EQ(synthesizer.requests[0].voice->identifier, QStringLiteral("German"));
    // Undetermined, or no voice for the language: the default voice.
    for (const char* text : {"no language", "tlh: nuqneH"}) {
        speech.toggleSpeaking(QString::fromUtf8(text));
        synthesizer.finishSpeaking(); // ended by itself: the next press starts again
    }
    ASSERT_EQ(synthesizer.requests.size(), 3u);
    EXPECT_FALSE(synthesizer.requests[1].voice);
    EXPECT_FALSE(synthesizer.requests[2].voice);
}

// Collects samples in memory. When `gate` is set, every write waits for a
// permit, so a test can hold the synthesis mid-text.
class MemoryOutput : public PcmOutput {
public:
    struct Shared {
        std::mutex mutex;
        std::vector<std::int16_t> samples;
        QStringList descriptions;
        QSemaphore* gate = nullptr;
        std::atomic<int> writes{0};
        std::atomic<int> discards{0};
        bool failOpen = false;
    };
    explicit MemoryOutput(Shared& shared)
        : shared_(shared) {}
    bool open(int, const QString& description) override {
        std::lock_guard lock(shared_.mutex);
        shared_.descriptions.append(description);
        return !shared_.failOpen;
    }
    bool write(const std::int16_t* samples, int count) override {
        ++shared_.writes;
        if (shared_.gate)
            shared_.gate->acquire();
        std::lock_guard lock(shared_.mutex);
        shared_.samples.insert(shared_.samples.end(), samples, samples + count);
        return true;
    }
    void drain() override {}
    void discard() override { ++shared_.discards; }
    QString errorString() const override { return QStringLiteral("no audio device"); }

private:
    Shared& shared_;
};

class EspeakTest : public ::testing::Test {
protected:
    RecordingLogSink sink;
    MemoryOutput::Shared shared;
    EspeakSpeechSynthesizer synthesizer{Log(sink, QStringLiteral("speech")),
                                        [this] { return std::make_unique<MemoryOutput>(shared); }};
};

TEST_F(EspeakTest, FindsVoicesByLanguageTagAndSpeaksInTheBackgroundUntilTheEnd) {
    const std::pair<const char*, const char*> voices[] = {
        {"pt-BR", "roa/pt-BR"}, {"de_AT", "gmw/de"}, {"zh-Hans", "sit/cmn"}, {"tlh", ""}};
    for (const auto& [tag, voice] : voices) {
        const auto found = synthesizer.voiceForLanguage(QString::fromLatin1(tag));
        EXPECT_EQ(found ? found->identifier : QString(), QString::fromLatin1(voice)) << tag;
    }
    Told told;
    SpeechService speech(
        synthesizer, [](const QString&) { return QStringList{QStringLiteral("de")}; },
        told.failures);
    int changes = 0;
    QObject::connect(&synthesizer, &SpeechSynthesizer::speakingChanged, [&] { ++changes; });
    speech.toggleSpeaking(QStringLiteral("Guten Tag, wie geht es Ihnen?"));
    EXPECT_TRUE(speech.isSpeaking());
    ASSERT_TRUE(TestAsync::waitUntil([&] { return !speech.isSpeaking(); }));
    EXPECT_EQ(changes, 2);
    std::lock_guard lock(shared.mutex);
    EXPECT_GT(shared.samples.size(), 10000u);
    ASSERT_EQ(shared.descriptions.size(), 1);
    EXPECT_TRUE(shared.descriptions[0].contains(u"German"));
}

TEST_F(EspeakTest, StopsMidTextAndSpeaksAgain) {
    QSemaphore gate;
    shared.gate = &gate;
    synthesizer.speak(QStringLiteral("This sentence is long enough to need many chunks of audio "
                                     "before it is over, so it can be stopped in the middle."),
                      std::nullopt);
    ASSERT_TRUE(TestAsync::waitUntil([&] { return shared.writes.load() >= 1; }));
    synthesizer.stopSpeaking();
    EXPECT_FALSE(synthesizer.isSpeaking());
    gate.release(1000);
    // The worker notices the stop after the chunk in hand and discards the rest.
    ASSERT_TRUE(TestAsync::waitUntil([&] { return shared.discards.load() == 1; }));
    EXPECT_LE(shared.writes.load(), 2);

    shared.gate = nullptr;
    synthesizer.speak(QStringLiteral("Again."), std::nullopt);
    EXPECT_TRUE(synthesizer.isSpeaking());
    ASSERT_TRUE(TestAsync::waitUntil([&] { return !synthesizer.isSpeaking(); }));
    EXPECT_GT(shared.writes.load(), 2);
}

TEST_F(EspeakTest, SpeechThatCannotBeHeardEndsAtOnceAndTheUserIsTold) {
    Told told;
    SpeechService speech(synthesizer, detectFirstWordAsLanguage, told.failures);
    shared.failOpen = true;
    speech.toggleSpeaking(QStringLiteral("Nobody hears this."));
    ASSERT_TRUE(TestAsync::waitUntil([&] { return !synthesizer.isSpeaking(); }));
    EXPECT_TRUE(shared.samples.empty());
    ASSERT_EQ(sink.records.size(), 1);
    EXPECT_TRUE(sink.records[0].revealed.contains(u"no audio device"));
    ASSERT_TRUE(TestAsync::waitUntil([&] { return !told.shown.isEmpty(); }));
    EXPECT_EQ(told.shown, QStringList{u"Could not read the text aloud: no audio device"_s});
    EXPECT_EQ(told.sink.find(LogLevel::Error, QStringLiteral("actions")).size(), 1);

    // Where there is no device at all, nothing is even tried.
    EspeakSpeechSynthesizer silent{Log(sink, QStringLiteral("speech")),
                                   [this] { return std::make_unique<MemoryOutput>(shared); },
                                   [] { return false; }};
    SpeechService quiet(silent, detectFirstWordAsLanguage, told.failures);
    quiet.toggleSpeaking(QStringLiteral("Nobody hears this either."));
    EXPECT_FALSE(silent.isSpeaking());
    EXPECT_EQ(told.shown.last(), u"Could not read the text aloud: No sound device was found."_s);
}

} // namespace
