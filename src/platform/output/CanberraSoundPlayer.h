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

    // Where the program's sound files are: share/inkharbor/sounds next to the executable's folder.
    static QString soundFile(const QString& name);

private:
    ca_context* context_ = nullptr;
};
