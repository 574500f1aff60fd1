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
#include "platform/x11/X11Backend.h"

namespace {

std::unique_ptr<DesktopBackend> loadBackend(const BackendChoice& choice, const Log& log,
                                            SystemLogSink& sink) {
    const Log clipboardLog(sink, QStringLiteral("clipboard"));
    switch (choice.backend) {
    case BackendChoice::Backend::wayland:
        log.error("Wayland backend chosen (%{public}s) but not available yet; using X11",
                  choice.reason);
        break;
    case BackendChoice::Backend::x11:
        log.info("Desktop backend: X11 (%{public}s)", choice.reason);
        break;
    }
    return std::make_unique<X11Backend>(clipboardLog);
}

} // namespace

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
        : backend(loadBackend(choice, Log(log, QStringLiteral("platform")), log)) {
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
