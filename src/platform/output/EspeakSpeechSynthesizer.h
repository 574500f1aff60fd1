#pragma once

#include "platform/PcmOutput.h"
#include "platform/SpeechSynthesizer.h"
#include "platform/base/Log.h"

#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

// Speech with eSpeak NG. eSpeak keeps its state in globals and is not
// reentrant, so eSpeak is set up once and then used under one lock, by a
// single worker thread per synthesizer, one utterance after the other. The
// worker synthesises in eSpeak's synchronous mode and writes the samples to a
// PcmOutput as they come; a stop is a flag the synthesis callback reads
// between short chunks, so speech ends within a few hundredths of a second.
class EspeakSpeechSynthesizer : public SpeechSynthesizer {
    Q_OBJECT
public:
    using OutputFactory = std::function<std::unique_ptr<PcmOutput>()>;
    // Whether there is a device to be heard on; without one nothing is spoken.
    using DeviceCheck = std::function<bool()>;

    // `makeOutput` makes the output of each utterance; by default the sound card.
    explicit EspeakSpeechSynthesizer(Log log, OutputFactory makeOutput = {},
                                     DeviceCheck hasDevice = {}, QObject* parent = nullptr);
    ~EspeakSpeechSynthesizer() override;

    bool isSpeaking() const override;
    std::optional<SpeechVoice> voiceForLanguage(const QString& languageTag) override;
    void speak(const QString& text, const std::optional<SpeechVoice>& voice) override;
    void stopSpeaking() override;

    // The voice of the desktop's language, else English.
    std::optional<SpeechVoice> defaultVoice();

private:
    struct VoiceInfo {
        SpeechVoice voice;
        std::vector<std::pair<QString, int>> languages; // tag, priority (lower is better)
    };
    bool initialize();
    std::optional<SpeechVoice> findVoice(const QString& tag) const;
    // On the worker.
    void synthesize(quint64 generation, const QByteArray& text, const QByteArray& voice,
                    const QString& description);
    void finished(quint64 generation, const QString& error);

    Log log_;
    OutputFactory makeOutput_;
    DeviceCheck hasDevice_;
    QThreadPool worker_;
    bool initialized_ = false;
    bool initializationFailed_ = false;
    int sampleRate_ = 0;
    std::vector<VoiceInfo> voices_;
    quint64 generation_ = 0;
    quint64 speakingGeneration_ = 0;
    std::atomic<quint64> cancelledThrough_{0};
};
