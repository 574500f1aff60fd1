#include "platform/LinuxPlatform.h"

#include "platform/DesktopBackend.h"
#include "platform/base/Log.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/UserDefaults.h"
#include "platform/desktop/DesktopUrlOpener.h"
#include "platform/output/ApertiumTranslator.h"
#include "platform/output/CanberraSoundPlayer.h"
#include "platform/output/EspeakSpeechSynthesizer.h"
#include "platform/output/PcaudioOutput.h"
#include "platform/output/SoundDevices.h"
#include "platform/output/WordNetDictionary.h"
#include "platform/recognition/Cld2LanguageIdentifier.h"
#include "platform/recognition/TesseractRecognizer.h"
#include "platform/recognition/ZxingBarcodeDetector.h"
#include "platform/wayland/WaylandBackend.h"
#include "platform/x11/X11Backend.h"

#include <QGuiApplication>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace {

std::unique_ptr<DesktopBackend> loadBackend(BackendChoice choice, const Log& log,
                                            SystemLogSink& sink, UserDefaults& defaults) {
    // Qt's platform plugin was chosen before us (QT_QPA_PLATFORM wins over
    // our variables): the backend must speak to the same display server.
    const QString qtPlatform = QGuiApplication::platformName();
    for (const auto backend : {BackendChoice::Backend::x11, BackendChoice::Backend::wayland})
        if (backend != choice.backend && qtPlatform == qtPlatformName(backend))
            choice = {
                backend,
                QStringLiteral("Qt's platform is %1, over %2").arg(qtPlatform, choice.reason)};
    switch (choice.backend) {
    case BackendChoice::Backend::wayland:
        log.info("Desktop backend: Wayland (%{public}s)", choice.reason);
        return std::make_unique<WaylandBackend>(log, defaults);
    case BackendChoice::Backend::x11:
        break;
    }
    log.info("Desktop backend: X11 (%{public}s)", choice.reason);
    return std::make_unique<X11Backend>(Log(sink, QStringLiteral("clipboard")));
}

std::optional<QString> waylandDisplayProblem() {
    if (qEnvironmentVariableIsSet("WAYLAND_SOCKET"))
        return std::nullopt; // handed an open connection
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    QString path = name;
    if (!name.startsWith(u'/')) {
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        if (runtime.isEmpty())
            return QStringLiteral("no Wayland display: XDG_RUNTIME_DIR is not set");
        path = runtime + u'/' + name;
    }
    const QByteArray socketPath = path.toLocal8Bit();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= qsizetype(sizeof address.sun_path))
        return QStringLiteral("cannot open the Wayland display %1").arg(name);
    std::memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool reached =
        fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!reached)
        return QStringLiteral("cannot open the Wayland display %1").arg(name);
    return std::nullopt;
}

} // namespace

bool LinuxPlatform::choosePlatformPlugin() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return false;
    qputenv("QT_QPA_PLATFORM", qtPlatformName(chooseBackend().backend).toLatin1());
    return true;
}

std::optional<QString> LinuxPlatform::displayProblem() {
    QString platforms = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platforms.isEmpty())
        platforms = qtPlatformName(chooseBackend().backend);
    // Qt tries each plugin of a list "a;b" in turn; options follow a colon.
    std::optional<QString> problem;
    for (const QString& entry : platforms.split(u';', Qt::SkipEmptyParts)) {
        const QString plugin = entry.section(u':', 0, 0).trimmed();
        std::optional<QString> found;
        if (plugin == u"xcb")
            found = X11Backend::displayProblem();
        else if (plugin.startsWith(u"wayland"))
            found = waylandDisplayProblem();
        if (!found)
            return std::nullopt; // offscreen, vnc and the like open no display of ours
        if (!problem)
            problem = found;
    }
    return problem;
}

struct LinuxPlatform::Services {
    SystemLogSink log;
    UserDefaults defaults{UserDefaults::standardFilePath()};
    NotificationCenter notifications;
    std::unique_ptr<DesktopBackend> backend;
    SoundDevices soundDevices{Log(log, QStringLiteral("sound"))};
    CanberraSoundPlayer sound{soundDevices};
    DesktopUrlOpener urls;
    Cld2LanguageIdentifier languageIdentifier;
    TesseractRecognizer recognizer{languageIdentifier};
    ZxingBarcodeDetector barcodeDetector;
    EspeakSpeechSynthesizer speech{Log(log, QStringLiteral("speech")),
                                   [] { return std::make_unique<PcaudioOutput>(); },
                                   [this] { return soundDevices.available(); }};
    ApertiumTranslator translator;
    WordNetDictionary dictionary;

    explicit Services(const BackendChoice& choice)
        : backend(loadBackend(choice, Log(log, QStringLiteral("platform")), log, defaults)) {
        // The file itself stays as the user left it until a setting is
        // changed; the log says where its damaged original went then.
        QObject::connect(
            &defaults, &UserDefaults::damagedFilePreserved, [this](const QString& copy) {
                Log(log, QStringLiteral("settings"))
                    .error("The settings file was damaged; a copy was kept at %{public}s", copy);
            });
    }
};

LinuxPlatform::LinuxPlatform(BackendChoice choice)
    : services_(std::make_unique<Services>(choice)) {
    Services& s = *services_;
    DesktopBackend& b = *s.backend;
    platform_ = std::make_unique<Platform>(Platform{
        s.log, s.defaults, s.notifications, b.screens(), b.permission(), b.focus(), b.pasteboard(),
        s.sound, s.urls, s.recognizer, s.languageIdentifier, s.barcodeDetector, s.speech,
        s.translator, s.dictionary, b.hotKeys(), b.keyboardLayout(), b.systemShortcuts()});
}

LinuxPlatform::~LinuxPlatform() = default;
