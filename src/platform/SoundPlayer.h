#pragma once

#include <QString>

// Short system sounds. Silent, never failing, where there is no audio device.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // The sounds the program knows: "Pop".
    virtual void play(const QString& name) = 0;
};
