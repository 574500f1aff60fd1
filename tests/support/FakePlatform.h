#pragma once

#include "platform/Platform.h"
#include "platform/UsKeyboardLayout.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/UserDefaults.h"

#include "support/FakeBarcodeDetector.h"
#include "support/FakeDesktop.h"
#include "support/FakeDictionary.h"
#include "support/FakePasteboard.h"
#include "support/FakeSpeechSynthesizer.h"
#include "support/FakeTextRecognizer.h"
#include "support/FakeTranslator.h"
#include "support/FakeUrlOpener.h"
#include "support/KeyBindingsFakes.h"

#include <QTemporaryDir>

// Every desktop service faked, with a settings file and a history of their own.
struct FakePlatform {
    QTemporaryDir dir;
    RecordingLogSink log;
    UserDefaults defaults{dir.filePath(QStringLiteral("settings.conf"))};
    NotificationCenter notifications;
    FakeScreens screens;
    FakePermission permission;
    FakeFocus focus;
    FakePasteboard pasteboard;
    FakeSound sound;
    FakeUrlOpener urls;
    FakeTextRecognizer recognizer;
    FakeLanguageIdentifier languageIdentifier;
    FakeBarcodeDetector barcodeDetector;
    FakeSpeechSynthesizer speech;
    FakeTranslator translator;
    FakeDictionary dictionary;
    FakeHotKeyGrabber hotKeys;
    UsKeyboardLayout keyboardLayout;
    FakeSystemShortcuts systemShortcuts;

    Platform platform{
        log,        defaults,   notifications, screens,    permission,         focus,
        pasteboard, sound,      urls,          recognizer, languageIdentifier, barcodeDetector,
        speech,     translator, dictionary,    hotKeys,    keyboardLayout,     systemShortcuts};

    FakePlatform() {
        screens.list = {FakeScreens::display(1, QRect(0, 0, 1440, 900)),
                        FakeScreens::display(2, QRect(1440, 0, 1280, 800), 2)};
        screens.pointer = QPoint(300, 300);
    }
};
