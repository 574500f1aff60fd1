#include "platform/output/PcaudioOutput.h"

#include "BuildInfo.h"
#include "platform/output/SoundDevices.h"

#include <pcaudiolib/audio.h>

PcaudioOutput::~PcaudioOutput() {
    if (!object_)
        return;
    if (isOpen_)
        audio_object_close(object_);
    audio_object_destroy(object_);
}

bool PcaudioOutput::open(int sampleRate, const QString& description) {
    if (object_)
        return isOpen_;
    object_ =
        create_audio_device_object(nullptr, BuildInfo::appName, description.toUtf8().constData());
    if (!object_) {
        error_ = SoundDevices::missingDescription();
        return false;
    }
    const int error =
        audio_object_open(object_, AUDIO_OBJECT_FORMAT_S16LE, static_cast<uint32_t>(sampleRate), 1);
    if (error != 0) {
        error_ = QString::fromUtf8(audio_object_strerror(object_, error));
        return false;
    }
    isOpen_ = true;
    return true;
}

bool PcaudioOutput::write(const std::int16_t* samples, int count) {
    if (!isOpen_ || count <= 0)
        return isOpen_;
    const int error =
        audio_object_write(object_, samples, static_cast<size_t>(count) * sizeof(std::int16_t));
    if (error != 0)
        error_ = QString::fromUtf8(audio_object_strerror(object_, error));
    return error == 0;
}

void PcaudioOutput::drain() {
    if (isOpen_)
        audio_object_drain(object_);
}

void PcaudioOutput::discard() {
    if (isOpen_)
        audio_object_flush(object_);
}

QString PcaudioOutput::errorString() const {
    return error_;
}
