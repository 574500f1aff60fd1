#pragma once

class BarcodeDetector;
class Dictionary;
class HotKeyGrabber;
class KeyboardLayout;
class LanguageIdentifier;
class LogSink;
class NotificationCenter;
class Pasteboard;
class ScreenCapturePermission;
class Screens;
class SoundPlayer;
class SpeechSynthesizer;
class SystemShortcuts;
class TextRecognizer;
class Translator;
class UrlOpener;
class UserDefaults;
class WindowFocus;

// Every desktop service the program uses, as the interfaces the rest of the
// code sees. LinuxPlatform fills it with the real implementations; tests
// fill it with fakes.
struct Platform {
    LogSink& log;
    UserDefaults& defaults;
    NotificationCenter& notifications;
    Screens& screens;
    ScreenCapturePermission& permission;
    WindowFocus& focus;
    Pasteboard& pasteboard;
    SoundPlayer& sound;
    UrlOpener& urls;
    TextRecognizer& recognizer;
    LanguageIdentifier& languageIdentifier;
    BarcodeDetector& barcodeDetector;
    SpeechSynthesizer& speech;
    Translator& translator;
    Dictionary& dictionary;
    HotKeyGrabber& hotKeys;
    KeyboardLayout& keyboardLayout;
    SystemShortcuts& systemShortcuts;
};
