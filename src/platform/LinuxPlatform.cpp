#include "platform/LinuxPlatform.h"

#include "history/HistoryStore.h"
#include "platform/ApertiumTranslator.h"
#include "platform/CanberraSoundPlayer.h"
#include "platform/Cld2LanguageIdentifier.h"
#include "platform/DesktopUrlOpener.h"
#include "platform/EspeakSpeechSynthesizer.h"
#include "platform/Log.h"
#include "platform/NotificationCenter.h"
#include "platform/NullHotKeyGrabber.h"
#include "platform/TesseractRecognizer.h"
#include "platform/UsKeyboardLayout.h"
#include "platform/UserDefaults.h"
#include "platform/WordNetDictionary.h"
#include "platform/X11HotKeyGrabber.h"
#include "platform/X11KeyboardLayout.h"
#include "platform/X11Pasteboard.h"
#include "platform/X11Screens.h"
#include "platform/X11SystemShortcuts.h"
#include "platform/X11WindowFocus.h"
#include "platform/ZxingBarcodeDetector.h"

struct LinuxPlatform::Services {
    SystemLogSink log;
    UserDefaults defaults{UserDefaults::standardFilePath()};
    NotificationCenter notifications;
    X11Screens screens;
    X11ScreenCapturePermission permission;
    X11WindowFocus focus;
    X11Pasteboard pasteboard{Log(log, QStringLiteral("clipboard"))};
    CanberraSoundPlayer sound;
    DesktopUrlOpener urls;
    Cld2LanguageIdentifier languageIdentifier;
    TesseractRecognizer recognizer{languageIdentifier};
    ZxingBarcodeDetector barcodeDetector;
    EspeakSpeechSynthesizer speech{Log(log, QStringLiteral("speech"))};
    ApertiumTranslator translator;
    WordNetDictionary dictionary;
    std::unique_ptr<HotKeyGrabber> hotKeys;
    std::unique_ptr<KeyboardLayout> keyboardLayout;
    X11SystemShortcuts systemShortcuts;

    Services() {
        // The file itself stays as the user left it until a setting is
        // changed; the log says where its damaged original went then.
        QObject::connect(
            &defaults, &UserDefaults::damagedFilePreserved, [this](const QString& copy) {
                Log(log, QStringLiteral("settings"))
                    .error("The settings file was damaged; a copy was kept at %{public}s", copy);
            });
        if (auto grabber = X11HotKeyGrabber::create())
            hotKeys = std::move(grabber);
        else
            hotKeys = std::make_unique<NullHotKeyGrabber>();
        if (auto layout = X11KeyboardLayout::create())
            keyboardLayout = std::move(layout);
        else
            keyboardLayout = std::make_unique<UsKeyboardLayout>();
    }
};

LinuxPlatform::LinuxPlatform()
    : services_(std::make_unique<Services>()) {
    Services& s = *services_;
    platform_ = std::make_unique<Platform>(
        Platform{s.log, s.defaults, s.notifications, s.screens, s.permission, s.focus, s.pasteboard,
                 s.sound, s.urls, s.recognizer, s.languageIdentifier, s.barcodeDetector, s.speech,
                 s.translator, s.dictionary, *s.hotKeys, *s.keyboardLayout, s.systemShortcuts,
                 HistoryStore::defaultDatabasePath()});
}

LinuxPlatform::~LinuxPlatform() = default;
