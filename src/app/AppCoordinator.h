#pragma once

#include "app/CaptureMode.h"
#include "app/CaptureProgress.h"
#include "app/HotkeyService.h"
#include "capture/CaptureService.h"
#include "capture/ScreenFrames.h"
#include "capture/SelectionOverlayController.h"
#include "capture/TransientWindows.h"
#include "history/HistoryStore.h"
#include "history/HistoryWindow.h"
#include "output/ActionFailures.h"
#include "output/ClipboardService.h"
#include "output/LookUpWindow.h"
#include "output/ResultWindow.h"
#include "output/SearchService.h"
#include "output/SpeechService.h"
#include "output/ToastWindow.h"
#include "output/TranslationService.h"
#include "platform/base/Log.h"
#include "recognition/BarcodeService.h"
#include "recognition/OCRService.h"
#include "settings/AppSettings.h"
#include "shell/DockIconService.h"
#include "shell/OnboardingWindow.h"

#include <QElapsedTimer>
#include <QObject>

#include <exception>
#include <functional>
#include <memory>
#include <optional>

#include <qcoro/qcorotask.h>

class KeyBindings;
struct Platform;

// Runs one capture from the request to the delivered text: busy and
// permission checks, the selection, the screen capture, then the text flow
// (recognition, assembly, history, clipboard, toast) or the barcode flow. It
// owns one instance of every service and window controller.
class AppCoordinator : public QObject {
    Q_OBJECT
public:
    // Opens the history in `historyFile` (in memory only without one); throws
    // HistoryError when it cannot.
    AppCoordinator(Platform& platform, KeyBindings& keyBindings,
                   std::optional<QString> historyFile = std::nullopt, QObject* parent = nullptr);
    ~AppCoordinator() override;

    // What the windows need of the shell around the coordinator.
    struct ShellHooks {
        // Starts a new instance of the program and ends this one.
        std::function<void()> relaunch;
        // Whether the desktop shows tray icons.
        std::function<bool()> trayAvailable;
    };
    void setShellHooks(ShellHooks hooks) { shell_ = std::move(hooks); }

    void start();
    // The whole capture; never fails towards the caller.
    QCoro::Task<void> capture(CaptureMode mode);
    // Puts the text on the clipboard and plays the sound when that is on.
    void copyWithSound(const QString& text);

    bool isCapturing() const { return isCapturing_; }

    HotkeyService& hotkeys() { return hotkeys_; }
    HistoryStore& history() { return *history_; }
    SpeechService& speech() { return speech_; }
    SearchService& search() { return search_; }
    DockIconService& dockIcon() { return dockIcon_; }
    ToastWindow& toast() { return toast_; }
    ResultWindow& resultWindow() { return resultWindow_; }
    HistoryWindow& historyWindow() { return historyWindow_; }
    OnboardingWindow& onboardingWindow() { return onboardingWindow_; }
    // Opens the history window with copy-with-sound for its Copy action.
    void showHistory();
    ClipboardService& clipboard() { return clipboard_; }
    const OCRService& ocr() const { return ocr_; }
    AppSettings& settings() { return settings_; }
    SelectionOverlayController& overlay() { return overlay_; }

private:
    QCoro::Task<void> textFlow(QImage image);
    QCoro::Task<void> barcodeFlow(QImage image);
    void remember(const QString& text);
    void showResultWindow(const QString& text);
    QString stepTime();
    OnboardingEnvironment onboardingEnvironment();
    QList<ToastWindow::Action> copiedTextActions(const QString& text);
    void report(std::exception_ptr failure);

    Platform& platform_;
    KeyBindings& keyBindings_;
    AppSettings settings_;
    HotkeyService hotkeys_;
    ScreenFrames frames_;
    TransientWindows transientWindows_;
    SelectionOverlayController overlay_;
    CaptureService captureService_;
    OCRService ocr_;
    BarcodeService barcodes_;
    ClipboardService clipboard_;
    std::unique_ptr<HistoryStore> history_;
    ActionFailures actionFailures_;
    SpeechService speech_;
    DockIconService dockIcon_;
    ToastWindow toast_;
    CaptureProgress progress_;
    LookUpWindow lookUpWindow_;
    SearchService search_;
    TranslationService translation_;
    ResultWindow resultWindow_;
    HistoryWindow historyWindow_;
    OnboardingWindow onboardingWindow_;
    ShellHooks shell_;
    bool isCapturing_ = false;
    QElapsedTimer stepStart_;
    Log log_;
};
