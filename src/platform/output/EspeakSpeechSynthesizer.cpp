#include "platform/output/EspeakSpeechSynthesizer.h"

#include "platform/output/PcaudioOutput.h"
#include "platform/output/SoundDevices.h"

#include <QLocale>

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cstring>
#include <mutex>

// Samples handed to the output at a time: about 45 ms at eSpeak's 22 kHz,
// which bounds how long a stop waits for the device.
static constexpr int chunkSamples = 1024;

namespace {

// What the synthesis callback needs of the utterance being synthesised.
struct Utterance {
    quint64 generation;
    const std::atomic<quint64>* cancelledThrough;
    PcmOutput* output;
    bool outputFailed = false;

    bool isCancelled() const { return generation <= cancelledThrough->load(); }
};

int synthCallback(short* samples, int count, espeak_EVENT* events) {
    auto* utterance = static_cast<Utterance*>(events ? events->user_data : nullptr);
    if (!utterance)
        return 1;
    for (int offset = 0; samples && offset < count; offset += chunkSamples) {
        if (utterance->isCancelled() || utterance->outputFailed)
            return 1;
        if (!utterance->output->write(samples + offset, std::min(chunkSamples, count - offset)))
            utterance->outputFailed = true;
    }
    return utterance->isCancelled() || utterance->outputFailed ? 1 : 0;
}

QString normalizedTag(const QString& tag) {
    QString normalized = tag.toLower();
    normalized.replace(u'_', u'-');
    return normalized;
}

// eSpeak is one engine per process, initialised once and kept until exit
// (re-initialising it after espeak_Terminate hangs in 1.51). The lock keeps
// two synthesizers, if a process ever has two, from using it at once.
std::mutex& engineLock() {
    static std::mutex lock;
    return lock;
}

int engineSampleRate() {
    static const int sampleRate = [] {
        const int rate =
            espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 100, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (rate > 0)
            espeak_SetSynthCallback(&synthCallback);
        return rate;
    }();
    return sampleRate;
}

} // namespace

EspeakSpeechSynthesizer::EspeakSpeechSynthesizer(Log log, OutputFactory makeOutput,
                                                 DeviceCheck hasDevice, QObject* parent)
    : SpeechSynthesizer(parent)
    , log_(std::move(log))
    , makeOutput_(std::move(makeOutput))
    , hasDevice_(std::move(hasDevice)) {
    if (!makeOutput_)
        makeOutput_ = [] { return std::make_unique<PcaudioOutput>(); };
    worker_.setMaxThreadCount(1);
}

EspeakSpeechSynthesizer::~EspeakSpeechSynthesizer() {
    cancelledThrough_.store(generation_);
    worker_.waitForDone();
}

bool EspeakSpeechSynthesizer::initialize() {
    if (initialized_ || initializationFailed_)
        return initialized_;
    const std::lock_guard lock(engineLock());
    sampleRate_ = engineSampleRate();
    if (sampleRate_ <= 0) {
        initializationFailed_ = true;
        log_.error("Speech engine could not start: %{public}s",
                   QStringLiteral("eSpeak NG data missing"));
        return false;
    }
    for (const espeak_VOICE** voice = espeak_ListVoices(nullptr); voice && *voice; ++voice) {
        VoiceInfo info;
        info.voice.identifier = QString::fromUtf8((*voice)->identifier);
        info.voice.name = QString::fromUtf8((*voice)->name);
        // A list of (priority byte, tag, NUL), ended by an empty tag.
        for (const char* entry = (*voice)->languages; entry && entry[0] != 0 && entry[1] != 0;
             entry += std::strlen(entry + 1) + 2)
            info.languages.emplace_back(normalizedTag(QString::fromUtf8(entry + 1)),
                                        static_cast<unsigned char>(entry[0]));
        voices_.push_back(std::move(info));
    }
    initialized_ = true;
    return true;
}

std::optional<SpeechVoice> EspeakSpeechSynthesizer::findVoice(const QString& tag) const {
    const VoiceInfo* best = nullptr;
    int bestPriority = 0;
    for (const VoiceInfo& info : voices_) {
        for (const auto& [language, priority] : info.languages) {
            if (language == tag && (!best || priority < bestPriority)) {
                best = &info;
                bestPriority = priority;
            }
        }
    }
    if (!best)
        return std::nullopt;
    SpeechVoice voice = best->voice;
    voice.language = tag;
    return voice;
}

std::optional<SpeechVoice> EspeakSpeechSynthesizer::voiceForLanguage(const QString& languageTag) {
    if (!initialize())
        return std::nullopt;
    // "pt-BR" has a voice of its own; "zh-Hans" and "de-AT" fall back to
    // their language's voice.
    const QString tag = normalizedTag(languageTag);
    if (tag.isEmpty())
        return std::nullopt;
    if (std::optional<SpeechVoice> voice = findVoice(tag))
        return voice;
    const qsizetype dash = tag.indexOf(u'-');
    if (dash > 0)
        return findVoice(tag.first(dash));
    return std::nullopt;
}

std::optional<SpeechVoice> EspeakSpeechSynthesizer::defaultVoice() {
    const QString system = QLocale::system().name(); // "de_DE", or "C"
    if (std::optional<SpeechVoice> voice = voiceForLanguage(system))
        return voice;
    return voiceForLanguage(QStringLiteral("en"));
}

bool EspeakSpeechSynthesizer::isSpeaking() const {
    return speakingGeneration_ != 0;
}

void EspeakSpeechSynthesizer::speak(const QString& text, const std::optional<SpeechVoice>& voice) {
    if (!initialize()) {
        Q_EMIT failed(tr("The speech engine could not start: its voice data is missing."));
        return;
    }
    if (hasDevice_ && !hasDevice_()) {
        Q_EMIT failed(SoundDevices::missingDescription());
        return;
    }
    const std::optional<SpeechVoice> chosen = voice ? voice : defaultVoice();
    const quint64 generation = ++generation_;
    const QByteArray identifier = chosen ? chosen->identifier.toUtf8() : QByteArray();
    const QString description =
        chosen ? tr("Reading aloud (%1)").arg(chosen->name) : tr("Reading aloud");
    speakingGeneration_ = generation;
    worker_.start([this, generation, utf8 = text.toUtf8(), identifier, description] {
        synthesize(generation, utf8, identifier, description);
    });
    Q_EMIT speakingChanged(true);
}

void EspeakSpeechSynthesizer::stopSpeaking() {
    if (!speakingGeneration_)
        return;
    cancelledThrough_.store(generation_);
    speakingGeneration_ = 0;
    Q_EMIT speakingChanged(false);
}

void EspeakSpeechSynthesizer::synthesize(quint64 generation, const QByteArray& text,
                                         const QByteArray& voice, const QString& description) {
    QString error;
    const std::unique_ptr<PcmOutput> output = makeOutput_();
    Utterance utterance{generation, &cancelledThrough_, output.get()};
    if (utterance.isCancelled()) {
        // stopped before it started
    } else if (!output->open(sampleRate_, description)) {
        error = output->errorString();
    } else {
        const std::lock_guard lock(engineLock());
        if (!voice.isEmpty())
            espeak_SetVoiceByName(voice.constData());
        espeak_Synth(text.constData(), size_t(text.size()) + 1, 0, POS_CHARACTER, 0,
                     espeakCHARS_UTF8, nullptr, &utterance);
        if (utterance.isCancelled())
            output->discard();
        else if (!utterance.outputFailed)
            output->drain();
        if (utterance.outputFailed)
            error = output->errorString();
    }
    QMetaObject::invokeMethod(
        this, [this, generation, error] { finished(generation, error); }, Qt::QueuedConnection);
}

void EspeakSpeechSynthesizer::finished(quint64 generation, const QString& error) {
    if (!error.isEmpty()) {
        log_.error("Speech could not be played: %{public}s", error);
        Q_EMIT failed(error);
    }
    if (generation != speakingGeneration_)
        return; // stopped meanwhile, or a newer utterance runs
    speakingGeneration_ = 0;
    Q_EMIT speakingChanged(false);
}
