#include "platform/output/SoundDevices.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <utility>

#include <alsa/asoundlib.h>
#include <unistd.h>

namespace {

// ALSA reports each failure of each device it tries to standard error.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

bool hasSoundServer() {
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return true;
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty())
        runtime = QStringLiteral("/run/user/") + QString::number(getuid());
    return QFileInfo::exists(runtime + QStringLiteral("/pulse/native"));
}

bool hasAlsaCard() {
    int card = -1;
    return snd_card_next(&card) == 0 && card >= 0;
}

} // namespace

SoundDevices::SoundDevices(Log log)
    : log_(std::move(log)) {
    snd_lib_error_set_handler(&quietAlsa);
}

bool SoundDevices::available() {
    if (hasSoundServer() || hasAlsaCard())
        return true;
    if (!std::exchange(saidMissing_, true))
        log_.info("No sound device found: sounds and speech stay silent until one is connected");
    return false;
}

QString SoundDevices::missingDescription() {
    return QCoreApplication::translate("SoundDevices", "No sound device was found.");
}
