#include "platform/output/CanberraSoundPlayer.h"

#include "BuildInfo.h"
#include "platform/base/InstalledFiles.h"

#include <QFileInfo>

#include <canberra.h>

CanberraSoundPlayer::CanberraSoundPlayer() {
    if (ca_context_create(&context_) != CA_SUCCESS) {
        context_ = nullptr;
        return;
    }
    ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, BuildInfo::appName,
                            CA_PROP_APPLICATION_ID, BuildInfo::appId, nullptr);
}

CanberraSoundPlayer::~CanberraSoundPlayer() {
    if (context_)
        ca_context_destroy(context_);
}

QString CanberraSoundPlayer::soundFile(const QString& name) {
    return InstalledFiles::dataFile(QStringLiteral("sounds/") + name.toLower() +
                                    QStringLiteral(".wav"));
}

void CanberraSoundPlayer::play(const QString& name) {
    if (!context_)
        return;
    const QString file = soundFile(name);
    if (!QFileInfo::exists(file))
        return;
    // Asynchronous: the call returns at once and fails quietly without a device.
    ca_context_play(context_, 0, CA_PROP_MEDIA_FILENAME, QFile::encodeName(file).constData(),
                    CA_PROP_EVENT_DESCRIPTION, "Text copied", nullptr);
}
