#pragma once

#include "platform/SoundPlayer.h"

class SoundDevices;
struct ca_context;

// Plays our own sound files through libcanberra (PulseAudio, ALSA, ...), when
// there is a device to play them on.
class CanberraSoundPlayer : public SoundPlayer {
public:
    explicit CanberraSoundPlayer(SoundDevices& devices);
    ~CanberraSoundPlayer() override;
    CanberraSoundPlayer(const CanberraSoundPlayer&) = delete;
    CanberraSoundPlayer& operator=(const CanberraSoundPlayer&) = delete;

    void play(const QString& name) override;

    // The sound's file among the program's own data.
    static QString soundFile(const QString& name);

private:
    SoundDevices& devices_;
    ca_context* context_ = nullptr;
};
