#pragma once

#include "platform/SoundPlayer.h"

struct ca_context;

// Plays our own sound files through libcanberra (PulseAudio, ALSA, ...).
class CanberraSoundPlayer : public SoundPlayer {
public:
    CanberraSoundPlayer();
    ~CanberraSoundPlayer() override;
    CanberraSoundPlayer(const CanberraSoundPlayer&) = delete;
    CanberraSoundPlayer& operator=(const CanberraSoundPlayer&) = delete;

    void play(const QString& name) override;

    // The sound's file among the program's own data.
    static QString soundFile(const QString& name);

private:
    ca_context* context_ = nullptr;
};
