#pragma once

#include "platform/base/Log.h"

// Whether this machine has anything to play sound on. Where it has nothing,
// the sound libraries try every way they know and write each failure to
// standard error; so sounds and speech ask here first and stay silent, and
// the log says once that no sound device was found. The sound library's own
// error messages are kept quiet from the start.
class SoundDevices {
public:
    explicit SoundDevices(Log log);

    // An ALSA card or a sound server (PulseAudio, or PipeWire's) is there now.
    // Asked at each use, so a device plugged in or a server started later
    // counts. Main thread.
    bool available();

    static QString missingDescription();

private:
    Log log_;
    bool saidMissing_ = false;
};
