#pragma once

#include <QString>

#include <cstdint>

// Where synthesised speech goes: 16-bit mono samples, used from the speech
// worker thread only. One object plays one utterance.
class PcmOutput {
public:
    virtual ~PcmOutput() = default;

    // False when there is nothing to play on (no audio device); errorString says why.
    virtual bool open(int sampleRate, const QString& description) = 0;
    // Blocks while the device is full, which paces the synthesis.
    virtual bool write(const std::int16_t* samples, int count) = 0;
    // Waits until everything written has been heard.
    virtual void drain() = 0;
    // Drops what has been written and not yet heard.
    virtual void discard() = 0;
    virtual QString errorString() const = 0;
};
