#pragma once

#include "platform/PcmOutput.h"

struct audio_object;

// Plays through pcaudiolib, which picks PulseAudio (or PipeWire's Pulse
// server), then ALSA, then OSS: the same path eSpeak's own player takes.
class PcaudioOutput : public PcmOutput {
public:
    PcaudioOutput() = default;
    ~PcaudioOutput() override;
    PcaudioOutput(const PcaudioOutput&) = delete;
    PcaudioOutput& operator=(const PcaudioOutput&) = delete;

    bool open(int sampleRate, const QString& description) override;
    bool write(const std::int16_t* samples, int count) override;
    void drain() override;
    void discard() override;
    QString errorString() const override;

private:
    audio_object* object_ = nullptr;
    bool isOpen_ = false;
    QString error_;
};
