#include "app/AppCoordinator.h"

#include <QCoreApplication>

#include "KeyBindings/KeyBindings.h"
#include "output/WebLink.h"
#include "output/WebSearch.h"
#include "platform/Platform.h"
#include "platform/Screens.h"
#include "platform/SoundPlayer.h"
#include "platform/UrlOpener.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/UserDefaults.h"
#include "recognition/TextAssembler.h"
#include "recognition/UnicodeText.h"

#include <QUrl>

namespace {

const QString captureCopied = QStringLiteral("InkharborCaptureCopied");

} // namespace

AppCoordinator::AppCoordinator(Platform& platform, KeyBindings& keyBindings,
                               std::optional<QString> historyFile, QObject* parent)
    : QObject(parent)
    , platform_(platform)
    , keyBindings_(keyBindings)
    , settings_(platform.defaults)
    , hotkeys_(keyBindings)
    , frames_(platform.screens)
    , overlay_(platform.screens, frames_, platform.focus)
    , captureService_(platform.screens, platform.permission, frames_)
    , ocr_(platform.recognizer, platform.languageIdentifier)
    , barcodes_(platform.barcodeDetector)
    , clipboard_(platform.pasteboard)
    , history_(historyFile ? std::make_unique<HistoryStore>(platform.log, *historyFile)
                           : std::make_unique<HistoryStore>(platform.log, true))
    , actionFailures_(platform.log,
                      [this](const QString& message, const QString& detail) {
                          toast_.show(message, detail, {});
                      })
    , speech_(
          platform.speech, [this](const QString& text) { return ocr_.detectLanguages(text); },
          actionFailures_)
    , dockIcon_(platform.focus, platform.log)
    , toast_(platform.screens)
    , progress_(toast_, keyBindings.hotKeyCenter())
    , lookUpWindow_(platform.dictionary, dockIcon_)
    , search_(platform.defaults, platform.urls, lookUpWindow_, actionFailures_)
    , translation_(
          platform.translator, [this](const QString& text) { return ocr_.detectLanguages(text); },
          TranslationService::systemLanguage())
    , resultWindow_(speech_, search_, translation_, dockIcon_)
    , historyWindow_(search_, dockIcon_)
    , onboardingWindow_(onboardingEnvironment(), dockIcon_)
    , log_(platform.log, QStringLiteral("capture")) {
    stepStart_.start();
    // What Undo gives back is read while the overlay has the keyboard: a
    // Wayland desktop hands the clipboard to no program in the background.
    overlay_.setOnSelected([this] { clipboard_.snapshot(); });
    // Where only the program in front may set the clipboard, the overlay
    // keeps the keyboard until the text is there or a toast has to show.
    overlay_.setHoldOnSelection(platform.pasteboard.writesNeedFocus());
    connect(&toast_, &ToastWindow::showing, this, [this] { overlay_.release(); });
}

AppCoordinator::~AppCoordinator() = default;

OnboardingEnvironment AppCoordinator::onboardingEnvironment() {
    return OnboardingEnvironment{
        platform_.defaults,
        platform_.notifications,
        platform_.permission,
        [this] { return ocr_.supportedLanguages(); },
        [this]() -> std::optional<QString> {
            const auto name = HotkeyService::captureText();
            const auto shortcut = keyBindings_.readShortcut(name);
            // Where no program may have global shortcuts the stored one does
            // nothing: the page speaks of the one bound in the desktop's
            // settings. Where the desktop binds them, it names its trigger.
            if (!shortcut || !keyBindings_.shortcutsAct())
                return std::nullopt;
            if (keyBindings_.desktopBindsShortcuts())
                return keyBindings_.desktopTrigger(name);
            return keyBindings_.description(*shortcut);
        },
        [this] { captureService_.openScreenRecordingSettings(); },
        [this] {
            if (shell_.relaunch)
                shell_.relaunch();
        },
        [this] { return !shell_.trayAvailable || shell_.trayAvailable(); }};
}

void AppCoordinator::start() {
    // A shortcut another program holds does nothing: each refusal is logged
    // (they are tried again as the user works with the shortcuts).
    keyBindings_.notificationCenter().addObserver(
        KeyBindings::shortcutRegistrationDidChangeNotification(), this,
        [this](const Notification& notification) {
            const QString name = notification.userInfo.value(QStringLiteral("name")).toString();
            const auto shortcut = keyBindings_.readShortcut(KeyBindings::Name{name, std::nullopt});
            const QString text = shortcut ? keyBindings_.description(*shortcut) : QString();
            const Log log(platform_.log, QStringLiteral("shortcuts"));
            if (notification.userInfo.value(QStringLiteral("isRefused")).toBool())
                log.info("Shortcut %{public}s of %{public}s refused: another program holds it",
                         text, name);
            else
                log.info("Shortcut %{public}s of %{public}s taken after all", text, name);
        });
    QPointer<AppCoordinator> self(this);
    hotkeys_.registerHandlers([self](CaptureMode mode) {
        if (self)
            self->capture(mode);
    });
    dockIcon_.start();
    if (qEnvironmentVariableIsSet("XCTestConfigurationFilePath"))
        return;
    if (!settings_.hasCompletedOnboarding())
        onboardingWindow_.show(OnboardingStep::welcome);
}

QString AppCoordinator::stepTime() {
    const qint64 ms = stepStart_.restart();
    return QString::number(ms) + QStringLiteral(" ms");
}

void AppCoordinator::copyWithSound(const QString& text) {
    clipboard_.copy(text);
    if (settings_.playSound())
        platform_.sound.play(QStringLiteral("Pop"));
}

QCoro::Task<void> AppCoordinator::capture(CaptureMode mode) {
    log_.info("Capture requested (busy: %{bool}d)", isCapturing_);
    if (isCapturing_)
        co_return;
    // The permission step says why, in full: there is nothing to grant.
    if (platform_.permission.unavailableReason()) {
        log_.error("Screen capture is not available on this desktop");
        onboardingWindow_.show(OnboardingStep::permission);
        co_return;
    }
    if (!platform_.permission.preflight()) {
        log_.info("No permission to read the screen");
        onboardingWindow_.show(OnboardingStep::permission);
        co_return;
    }
    isCapturing_ = true;

    toast_.hide();
    co_await transientWindows_.cleared();

    const std::optional<ScreenSelection> selection = co_await overlay_.select();
    if (!selection && overlay_.screenWasUnreadable()) {
        // The desktop asked and the user said no, or it could not share the screen.
        if (!platform_.permission.preflight()) {
            log_.info("No permission to read the screen");
            onboardingWindow_.show(OnboardingStep::permission);
        } else {
            // The desktop's reason where it gave one ("This display was not shared…").
            QString why = platform_.screens.grabFailure();
            log_.error("Capture failed: no display could be read (%@)", why);
            if (why.isEmpty())
                why =
                    QCoreApplication::translate("CaptureService", "The screen could not be read.");
            toast_.show(tr("Something went wrong"), why, {});
        }
    } else if (!selection) {
        log_.info("Selection cancelled");
    } else {
        log_.info("Selected %s on display %u", selection->rect, selection->displayID);
        stepStart_.restart();
        std::exception_ptr failure;
        try {
            const QImage image = co_await captureService_.capture(*selection);
            log_.info("Captured image %ldx%ld (%s)", qint64(image.width()), qint64(image.height()),
                      stepTime());
            if (mode == CaptureMode::barcode)
                co_await barcodeFlow(image);
            else
                co_await textFlow(image);
        } catch (...) {
            failure = std::current_exception();
        }
        if (failure)
            report(failure);
    }

    isCapturing_ = false;
    overlay_.release();
    frames_.clear();
    clipboard_.forgetSnapshot(); // no text was copied
    if (QWidget* onboarding = onboardingWindow_.window(); onboarding && onboarding->isVisible())
        dockIcon_.bringToFront(onboarding);
}

void AppCoordinator::report(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const CaptureService::CaptureError& e) {
        if (e.code() == CaptureService::CaptureError::permissionDenied) {
            onboardingWindow_.show(OnboardingStep::permission);
            return;
        }
        log_.error("Capture failed: %@", e.description());
        toast_.show(tr("Something went wrong"), e.description(), {});
    } catch (const std::exception& e) {
        log_.error("Capture failed: %@", describe(e));
        toast_.show(tr("Something went wrong"), describe(e), {});
    } catch (...) {
        const QString unknown = tr("An unknown error occurred.");
        log_.error("Capture failed: %@", unknown);
        toast_.show(tr("Something went wrong"), unknown, {});
    }
}

QCoro::Task<void> AppCoordinator::textFlow(QImage image) {
    const RecognitionOptions options = settings_.recognitionOptions();
    const std::optional<TextObservations> recognized = co_await progress_.untilCancelled(
        CaptureMode::text, ocr_.recognize(std::move(image), options.autoDetectLanguage,
                                          options.preferredLanguages, options.customWords));
    if (!recognized) {
        log_.info("Capture cancelled (%s)", stepTime());
        co_return;
    }
    const TextObservations& observations = *recognized;
    const QString text = TextAssembler::assemble(observations, settings_.keepIndentation(),
                                                 settings_.fixHyphenation());
    log_.info("OCR found %ld pieces, %ld characters (%s)", qint64(observations.size()),
              qint64(UnicodeText::characterCount(text)), stepTime());
    if (text.isEmpty()) {
        toast_.show(tr("No text found"), tr("Try zooming in or selecting a larger area."), {});
        co_return;
    }

    remember(text);
    log_.info("Saved to history (%s)", stepTime());

    if (settings_.alwaysShowResultWindow()) {
        showResultWindow(text);
        co_return;
    }
    copyWithSound(text);
    log_.info("Copied to clipboard (%s)", stepTime());
    platform_.notifications.post(captureCopied, text);

    const int words = int(qMin<qsizetype>(UnicodeText::splitAtWhitespace(text).size(), INT_MAX));
    toast_.show(tr("Copied %n word(s)", nullptr, words), std::nullopt, copiedTextActions(text));
    log_.info("Toast shown (%s)", stepTime());
}

QList<ToastWindow::Action> AppCoordinator::copiedTextActions(const QString& text) {
    QPointer<AppCoordinator> self(this);
    QList<ToastWindow::Action> actions;
    actions.append({tr("Edit"), [self, text] {
                        if (self)
                            self->showResultWindow(text);
                    }});
    actions.append({tr("Undo"), [self] {
                        if (self)
                            self->clipboard_.undo();
                    }});
    // "Look Up" and "Search the web" hold only the text (and the service they run on).
    SearchService* search = &search_;
    if (WebSearch::lookUpTerm(text))
        actions.append({tr("Look Up"), [self, search, text] {
                            if (self)
                                search->lookUp(text);
                        }});
    actions.append({tr("Search the web"), [self, search, text] {
                        if (self)
                            search->searchWeb(text);
                    }});
    return actions;
}

QCoro::Task<void> AppCoordinator::barcodeFlow(QImage image) {
    const std::optional<QStringList> detected =
        co_await progress_.untilCancelled(CaptureMode::barcode, barcodes_.detect(std::move(image)));
    if (!detected) {
        log_.info("Capture cancelled (%s)", stepTime());
        co_return;
    }
    const QStringList& payloads = *detected;
    if (payloads.isEmpty()) {
        toast_.show(tr("No QR code or barcode found"),
                    tr("Try selecting a larger area around the code."), {});
        co_return;
    }
    const QString text = payloads.join(u'\n');
    remember(text);
    copyWithSound(text);
    platform_.notifications.post(captureCopied, text);

    QList<ToastWindow::Action> actions;
    if (const std::optional<QUrl> url = WebLink::parse(text)) {
        QPointer<AppCoordinator> self(this);
        actions.append({tr("Open Link"), [self, url = *url] {
                            if (self)
                                self->search_.openLink(url);
                        }});
    }
    toast_.show(tr("Copied QR / barcode content"), text, actions);
}

void AppCoordinator::remember(const QString& text) {
    const qint64 limit = settings_.historyLimit();
    if (limit < 1)
        return;
    history_->insert(Capture(text, ocr_.detectLanguages(text), QDateTime::currentDateTime()));
    history_->save();
    history_->prune(limit);
}

void AppCoordinator::showHistory() {
    QPointer<AppCoordinator> self(this);
    historyWindow_.show(*history_, speech_, [self](const QString& text) {
        if (self)
            self->copyWithSound(text);
    });
}

void AppCoordinator::showResultWindow(const QString& text) {
    QPointer<AppCoordinator> self(this);
    resultWindow_.show(text, [self](const QString& edited) {
        if (self)
            self->copyWithSound(edited);
    });
}
