// Writes pictures of every window, light and dark, into the folder given as
// the argument: settings, history, result, translation, onboarding, look-up
// and the symbol sheet.
#include "Look.h"

#include "KeyBindings/KeyBindings.h"
#include "app/AppCoordinator.h"
#include "app/CommandLine.h"
#include "app/HotkeyService.h"
#include "app/MenuBarContent.h"
#include "app/Translations.h"
#include "history/HistoryListModel.h"
#include "history/HistoryListView.h"
#include "history/HistoryStore.h"
#include "history/HistoryView.h"
#include "history/HistoryWindow.h"
#include "output/ActionButton.h"
#include "output/ResultEditor.h"
#include "output/ResultView.h"
#include "output/ResultWindow.h"
#include "output/ToastWindow.h"
#include "output/TranslationPopover.h"
#include "output/TranslationService.h"
#include "platform/NullHotKeyGrabber.h"
#include "platform/UsKeyboardLayout.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/UserDefaults.h"
#include "platform/desktop/SymbolIcons.h"
#include "platform/desktop/TrayIcon.h"
#include "platform/output/WordNetDictionary.h"
#include "platform/recognition/TesseractLanguageCodes.h"
#include "settings/AppSettings.h"
#include "settings/GeneralSettingsPane.h"
#include "settings/MissingLanguagesSection.h"
#include "settings/RecognitionSettingsPane.h"
#include "settings/SettingsEnvironment.h"
#include "settings/SettingsTabButton.h"
#include "settings/SettingsView.h"
#include "settings/SettingsWindow.h"
#include "settings/ShortcutsSettingsPane.h"
#include "settings/SwitchButton.h"
#include "settings/ToggleRow.h"
#include "shell/DockIconService.h"
#include "shell/OnboardingView.h"
#include "shell/OnboardingWindow.h"
#include "support/Async.h"
#include "support/FakeWindowServices.h"
#include "support/KeyBindingsFakes.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QString folder;

void save(QWidget* widget, const QString& name) {
    QCoreApplication::processEvents();
    widget->grab().save(folder + u'/' + name + u".png");
}

// Under Xvfb the real windows, as the window manager placed and painted them.
void saveScreen(const QString& name) {
    if (QGuiApplication::platformName() != u"xcb")
        return;
    TestAsync::waitUntil([] { return false; }, std::chrono::milliseconds(500));
    QGuiApplication::primaryScreen()->grabWindow(0).save(folder + u'/' + name + u".png");
}

// What the windows have around them: settings in a folder of their own, a
// desktop that opens nothing, speech that makes no sound.
using Desktop = FakeWindowServices;

void settings(const QString& theme) {
    Desktop desktop;
    qputenv("XDG_CONFIG_HOME", desktop.dir.filePath(QStringLiteral("config")).toUtf8());
    UserDefaults& defaults = desktop.defaults;
    AppSettings(defaults).registerDefaults();
    KeyBindings keyBindings{defaults, desktop.notifications, desktop.hotKeys,
                            desktop.keyboardLayout};
    HotkeyService hotkeys{keyBindings};
    // The longest text a shortcut can have.
    keyBindings.writeShortcut(
        HotkeyService::captureBarcode(),
        Shortcut(Key::b.rawValue, CarbonModifiers::command | CarbonModifiers::control |
                                      CarbonModifiers::option | CarbonModifiers::shift));
    // Tesseract's packs as it reports them: these installed, every other one
    // of today offered with its package.
    QStringList languages;
    QList<InstallableLanguage> installable;
    const QStringList installed{u"eng"_s, u"deu"_s, u"fra"_s, u"spa"_s,     u"heb"_s,
                                u"ara"_s, u"rus"_s, u"ell"_s, u"hin"_s,     u"tam"_s,
                                u"tha"_s, u"jpn"_s, u"kor"_s, u"chi_sim"_s, u"chi_tra"_s};
    for (const QString& pack : TesseractLanguageCodes::tesseractCodes()) {
        if (installed.contains(pack))
            languages << TesseractLanguageCodes::toBcp47(pack);
        else if (TesseractLanguageCodes::isContemporary(pack))
            installable << InstallableLanguage{TesseractLanguageCodes::toBcp47(pack),
                                               TesseractLanguageCodes::debianPackage(pack)};
    }
    languages.move(languages.indexOf(u"en"_s), 0);
    defaults.setValue(SettingsKey::autoDetectLanguage, false);
    defaults.setValue(SettingsKey::preferredLanguages, QStringLiteral("de,he"));
    defaults.setValue(SettingsKey::customWords, QStringLiteral("Inkharbor\nQt Widgets\nTesseract"));

    bool trayAvailable = true;
    SettingsWindow window(SettingsEnvironment{
        defaults, RecorderEnvironment{keyBindings, desktop.systemShortcuts, {}, [] {}},
        [&] { return languages; }, [&] { return installable; }, desktop.urls,
        SettingsAppActions{[&] { return trayAvailable; }, [] {}, [] {}, [] {}}});
    window.show();
    const auto shoot = [&](const QString& suffix) {
        QTest::qWait(20);
        save(window.window(), u"settings-" + theme + u'-' + suffix);
    };
    for (int tab = 0; tab < 4; ++tab) {
        window.view()->setCurrentIndex(tab);
        shoot(QString::number(tab));
    }
    auto* recognition = window.window()->findChild<RecognitionSettingsPane*>();
    window.view()->setCurrentIndex(2);
    recognition->verticalScrollBar()->setValue(recognition->verticalScrollBar()->maximum());
    shoot(QStringLiteral("2-end"));
    MissingLanguagesSection* missing = recognition->missingSection();
    missing->list()->setCurrentItem(missing->list()->topLevelItem(3));
    recognition->ensureWidgetVisible(missing, 0, 0);
    shoot(QStringLiteral("2-missing"));
    defaults.setValue(SettingsKey::autoDetectLanguage, true);
    shoot(QStringLiteral("2-auto"));
    defaults.setValue(SettingsKey::autoDetectLanguage, false);
    // Wayland: a desktop that lets no program have global shortcuts (the pane
    // says which commands to bind instead), and one that binds them itself
    // (the pane says what it bound).
    auto shootPane = [&](HotKeyGrabber& grabber, const QString& name, auto answer) {
        KeyBindings bindings{defaults, desktop.notifications, grabber, desktop.keyboardLayout};
        HotkeyService paneHotkeys{bindings};
        paneHotkeys.registerHandlers([](CaptureMode) {});
        ShortcutsSettingsPane pane(
            RecorderEnvironment{bindings, desktop.systemShortcuts, {}, [] {}});
        answer(bindings);
        pane.resize(window.window()->width(), pane.sizeHint().height());
        pane.show();
        QTest::qWait(20);
        save(&pane, u"settings-" + theme + u"-1-" + name);
    };
    NullHotKeyGrabber none;
    shootPane(none, QStringLiteral("no-grabs"), [](KeyBindings&) {});
    FakeHotKeyGrabber portal;
    portal.desktopBinds = true;
    shootPane(portal, QStringLiteral("desktop-binds"), [&](KeyBindings& bindings) {
        portal.bind(*bindings.readShortcut(HotkeyService::captureText()),
                    QStringLiteral("Meta+Shift+T"));
    });
    // Where the keyboard puts the focus, it shows.
    window.view()->setCurrentIndex(0);
    // A widget that has the focus already gets no focus-in from setFocus().
    auto* firstTab = window.window()->findChild<SettingsTabButton*>();
    firstTab->clearFocus();
    firstTab->setFocus(Qt::TabFocusReason);
    shoot(QStringLiteral("0-focus-tab"));
    window.window()->findChild<GeneralSettingsPane*>()->launchAtLoginRow()->button()->setFocus(
        Qt::TabFocusReason);
    shoot(QStringLiteral("0-focus-switch"));
    // A desktop without a tray: the window offers the tray menu's items.
    window.window()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    trayAvailable = false;
    window.show();
    shoot(QStringLiteral("0-no-tray"));
    window.setTrayAvailable(true);
    shoot(QStringLiteral("0-tray-came"));
}

void history(const QString& theme) {
    Desktop desktop;
    HistoryStore store{desktop.log, true};
    HistoryWindow window{desktop.search, desktop.dockIcon};
    window.show(store, desktop.speaker, [](const QString&) {});
    HistoryView* view = window.view();
    HistoryListView* list = view->list();
    const auto row = [&](int number) { return view->model()->index(number); };
    const auto add = [&](const QString& text, int secondsAgo) {
        store.insert(Capture(text, {}, QDateTime::currentDateTime().addSecs(-secondsAgo)));
        store.save();
    };
    const auto search = [&](const QString& text) {
        view->searchField()->setText(text);
        TestAsync::waitUntil([&] { return !view->model()->isSearching(); });
    };
    const QString prefix = u"history-" + theme;
    save(window.window(), prefix + u"-empty");

    add(QStringLiteral("Hello, world!"), 60 * 60 * 24 * 400);
    add(QStringLiteral("\n\nThe quick brown fox jumps over the lazy dog and keeps running far "
                       "beyond the edge of the window\nsecond line"),
        60 * 60 * 5);
    add(QStringLiteral("https://example.com/a/very/long/address?with=query&and=more"), 600);
    add(QStringLiteral("Café crème"), 120);
    add(QStringLiteral("Straße"), 30);
    add(QString(100'000, u'x'), 10);
    list->setCurrentIndex(row(2));
    const QPoint trash = list->buttonCenter(row(4), HistoryRow::Action::remove);
    QTest::mouseMove(list->viewport(), trash);
    QMouseEvent move(QEvent::MouseMove, trash, list->viewport()->mapToGlobal(trash), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &move);
    save(window.window(), prefix + u"-list");
    window.window()->resize(380, 300);
    save(window.window(), prefix + u"-small");
    window.window()->resize(480, 520);

    search(QStringLiteral("xyz"));
    save(window.window(), prefix + u"-noresults");
    search(QStringLiteral("cafe"));
    save(window.window(), prefix + u"-search");
    view->searchField()->clear();

    view->clearAllButton()->click();
    if (QMessageBox* box = view->clearAllConfirmation()) {
        save(box, u"confirm-" + theme);
        saveScreen(u"screen-history-" + theme);
        box->button(QMessageBox::Cancel)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    list->setFocus();
    list->setCurrentIndex(row(3));
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), QPoint());
    QCoreApplication::sendEvent(list, &menuKey);
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        save(menu, u"menu-" + theme);
        menu->close();
    }
    window.window()->close();
}

void result(const QString& theme) {
    Desktop desktop;
    int checks = 0;
    TranslationService translation{desktop.translator,
                                   [&](const QString& text) {
                                       ++checks;
                                       return text.contains(u"casa")
                                                  ? QStringList{QStringLiteral("es")}
                                                  : QStringList{QStringLiteral("en")};
                                   },
                                   QStringLiteral("en")};
    ResultWindow window{desktop.speaker, desktop.search, translation, desktop.dockIcon};
    const auto waitForTranslationCheck = [&](int expected) {
        TestAsync::waitUntil([&] {
            return !window.view()->translationCheckTimer()->isActive() && checks == expected;
        });
    };
    window.show(QStringLiteral("La casa roja"), [](const QString&) {});
    waitForTranslationCheck(1);
    for (const int width : {720, 540, 440}) {
        window.window()->resize(width, 300);
        save(window.window(), QStringLiteral("result-%1-%2").arg(theme).arg(width));
    }
    window.window()->resize(540, 300);
    ResultView* view = window.view();
    view->findChild<ActionButton*>(QStringLiteral("translate"))->click();
    if (TranslationPopover* popover = view->translationPopover()) {
        auto* replace = popover->findChild<QPushButton*>();
        TestAsync::waitUntil([&] { return replace->isEnabled(); });
        save(popover, u"translation-" + theme);
        saveScreen(u"screen-" + theme);
        popover->close();
    }
    view->editor()->setPlainText(QStringLiteral("lighthouse"));
    waitForTranslationCheck(2);
    window.window()->resize(540, 300);
    save(window.window(), u"result-" + theme + u"-word");
    window.window()->close();
}

void onboarding(const QString& theme) {
    Desktop desktop;
    NotificationCenter& notifications = desktop.notifications;
    FakePermission& permission = desktop.permission;
    permission.granted = false;
    bool trayAvailable = true;
    // The default capture shortcut as the program writes it in the run's language.
    KeyBindings keyBindings{desktop.defaults, notifications, desktop.hotKeys,
                            desktop.keyboardLayout};
    const QString shortcut = keyBindings.description(
        Shortcut(Key::t.rawValue, CarbonModifiers::command | CarbonModifiers::shift));
    OnboardingWindow onboarding{
        OnboardingEnvironment{desktop.defaults,
                              notifications,
                              permission,
                              [] {
                                  return QStringList{
                                      QStringLiteral("en-US"),   QStringLiteral("fr-FR"),
                                      QStringLiteral("de-DE"),   QStringLiteral("zh-Hans"),
                                      QStringLiteral("zh-Hant"), QStringLiteral("hi-IN"),
                                      QStringLiteral("ta-IN")};
                              },
                              [&] { return std::optional<QString>(shortcut); },
                              [] {},
                              {},
                              [&] { return trayAvailable; }},
        desktop.dockIcon};
    const auto shoot = [&](const QString& name) {
        QTest::qWait(100);
        save(onboarding.window(), u"onboarding-" + name + u'-' + theme);
    };
    onboarding.show(OnboardingStep::welcome);
    onboarding.view()->setPointedLanguage(QStringLiteral("hi"));
    shoot(QStringLiteral("welcome"));
    // X11: nothing to allow.
    onboarding.view()->setStep(OnboardingStep::permission);
    shoot(QStringLiteral("permission-none"));
    // A desktop that asks first.
    permission.asks = true;
    onboarding.view()->setStep(OnboardingStep::permission);
    shoot(QStringLiteral("permission-missing"));
    permission.granted = true;
    TestAsync::waitUntil([&] { return onboarding.view()->hasPermission(); });
    shoot(QStringLiteral("permission"));
    onboarding.view()->setStep(OnboardingStep::tryIt);
    shoot(QStringLiteral("tryit"));
    notifications.post(QStringLiteral("InkharborCaptureCopied"), QStringLiteral("text"));
    shoot(QStringLiteral("tryit-copied"));
    // A desktop without a tray: the first and the last words say where Inkharbor is.
    trayAvailable = false;
    onboarding.show(OnboardingStep::welcome);
    shoot(QStringLiteral("welcome-no-tray"));
    onboarding.view()->setStep(OnboardingStep::tryIt);
    shoot(QStringLiteral("tryit-no-tray"));
    onboarding.window()->close();
}

// The toasts: a copied text with its actions, a scanned contact card, markup
// shown as it is, and the one that says work is going on.
void toasts(const QString& theme) {
    FakeScreens screens;
    screens.list = {FakeScreens::display(1, QRect(0, 0, 1440, 900))};
    ToastWindow toast{screens};
    const auto shoot = [&](const QString& name) {
        QTest::qWait(50);
        save(toast.panel(), u"toast-" + name + u'-' + theme);
    };
    // The coordinator's texts, in the language of the run.
    const auto text = [](const char* context, const char* source, int n = -1) {
        return QCoreApplication::translate(context, source, nullptr, n);
    };
    const QList<ToastWindow::Action> actions{{text("AppCoordinator", "Edit"), {}},
                                             {text("AppCoordinator", "Undo"), {}},
                                             {text("AppCoordinator", "Search the web"), {}}};
    toast.show(text("AppCoordinator", "Copied %n word(s)", 1), std::nullopt, actions);
    shoot(QStringLiteral("copied"));
    toast.show(text("AppCoordinator", "Copied QR / barcode content"),
               QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Doe;Jane\r\nFN:Jane Doe\r\n"
                              "TEL:+1 555 0100\r\nEMAIL:jane@example.com\r\nEND:VCARD"),
               {});
    shoot(QStringLiteral("vcard"));
    toast.show(text("AppCoordinator", "Copied QR / barcode content"),
               QStringLiteral("<b>BOLD</b> &amp; <i>it</i>"), {});
    shoot(QStringLiteral("markup"));
    toast.showBusy(text("CaptureProgress", "Reading the text\u2026"),
                   text("CaptureProgress", "Press Escape to cancel."),
                   {{text("CaptureProgress", "Cancel"), {}}});
    shoot(QStringLiteral("busy"));
    toast.hide();
}

// The tray item on the panels it meets, dark and light: the tile that an
// XEmbed tray, or a desktop without our icon in its theme, shows; and the
// symbolic icon as a StatusNotifierItem host draws it, in the panel's text
// colour. Then the tray's menu.
void tray(const QString& theme) {
    struct Panel {
        QColor background, text;
    };
    const Panel panels[] = {{QColor(0x00, 0x00, 0x00), QColor(0xff, 0xff, 0xff)},  // GNOME
                            {QColor(0x31, 0x36, 0x3b), QColor(0xfc, 0xfc, 0xfc)},  // Breeze dark
                            {QColor(0xef, 0xf0, 0xf1), QColor(0x23, 0x26, 0x29)},  // Breeze
                            {QColor(0xf6, 0xf5, 0xf4), QColor(0x2e, 0x34, 0x36)}}; // Adwaita
    // Each panel a row: the tile at 16, 22 and 32 pixels, then the symbolic
    // icon at 22; at the panel's own scale, then enlarged pixel for pixel.
    constexpr int sizes[] = {16, 22, 32, 22}, cell = 40;
    QPixmap sheet(QSize(int(std::size(sizes)) * cell, int(std::size(panels)) * cell));
    QPainter painter(&sheet);
    for (size_t row = 0; row < std::size(panels); ++row) {
        const int y = int(row) * cell;
        painter.fillRect(0, y, sheet.width(), cell, panels[row].background);
        for (size_t column = 0; column < std::size(sizes); ++column) {
            const int size = sizes[column];
            const QPoint at(int(column) * cell + (cell - size) / 2, y + (cell - size) / 2);
            painter.drawPixmap(at, column + 1 < std::size(sizes)
                                       ? TrayIcon::tile().pixmap(size, size)
                                       : SymbolIcons::pixmap(QStringLiteral("text.viewfinder"),
                                                             panels[row].text, size, 1));
        }
    }
    painter.end();
    sheet.scaled(sheet.size() * 3).save(folder + u"/tray-icons.png");

    FakePlatform fake;
    KeyBindings keyBindings{fake.defaults, fake.notifications, fake.hotKeys, fake.keyboardLayout};
    AppCoordinator coordinator{fake.platform, keyBindings};
    MenuBarContent content{coordinator, keyBindings, MenuBarContent::Actions{}};
    keyBindings.writeShortcut(
        HotkeyService::captureBarcode(),
        Shortcut(Key::b.rawValue, CarbonModifiers::control | CarbonModifiers::option));
    content.menu()->popup(QPoint(100, 100));
    QTest::qWait(50);
    save(content.menu(), u"tray-menu-" + theme);
    content.menu()->close();
}

void lookUp() {
    WordNetDictionary dictionary;
    FakeFocus focus;
    RecordingLogSink sink;
    DockIconService dockIcon{focus, sink};
    LookUpWindow window(dictionary, dockIcon);
    window.show(QStringLiteral("Running"));
    save(window.window(), QStringLiteral("lookup-word"));
    window.show(QStringLiteral("qwzxv"));
    save(window.window(), QStringLiteral("lookup-unknown"));
    window.window()->close();
}

// Every symbol in the window text colour on white, and in a light colour on dark.
void symbols() {
    const QStringList names = SymbolIcons::symbolNames();
    QPixmap sheet(int(names.size()) * 40 + 8, 2 * 40 + 8);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.fillRect(0, 44, sheet.width(), 44, QColor(0x2b, 0x2b, 0x2e));
    for (qsizetype i = 0; i < names.size(); ++i) {
        painter.drawPixmap(8 + int(i) * 40, 8, SymbolIcons::ownIcon(names[i]).pixmap(24, 24));
        QPixmap light(24, 24);
        light.fill(Qt::transparent);
        light.loadFromData(SymbolIcons::svg(names[i], QColor(0xe8, 0xe8, 0xea)));
        painter.drawPixmap(8 + int(i) * 40, 52, light);
    }
    painter.end();
    sheet.scaled(sheet.size() * 2).save(folder + u"/symbols.png");
}

} // namespace

int main(int argc, char** argv) {
    CommandLine commandLine(
        QStringLiteral("inkharbor-screenshots"), {QStringLiteral("[--locale CODE] FOLDER")},
        QStringLiteral("Writes pictures of every window, light and dark, into FOLDER (made when "
                       "missing).\nUnder an X server with QT_QPA_PLATFORM=xcb it adds grabs of "
                       "the whole screen."));
    const QCommandLineOption localeOption(
        QStringLiteral("locale"),
        QStringLiteral("Shows the windows in the language and formats of CODE (de, es_MX, …) "
                       "instead of the desktop's."),
        QStringLiteral("CODE"));
    commandLine.parser().addOption(localeOption);
    if (const auto exit = commandLine.parse(CommandLine::arguments(argc, argv)))
        return CommandLine::finish(*exit);
    const QStringList folders = commandLine.parser().positionalArguments();
    if (folders.size() != 1)
        return CommandLine::finish(commandLine.error(folders.isEmpty()
                                                         ? QStringLiteral("no folder given")
                                                         : QStringLiteral("one folder only")));
    folder = folders.first();

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (commandLine.parser().isSet(localeOption)) {
        const QLocale locale(commandLine.parser().value(localeOption));
        if (locale.language() == QLocale::C)
            return CommandLine::finish(commandLine.error(
                QStringLiteral("unknown locale %1").arg(commandLine.parser().value(localeOption))));
        QLocale::setDefault(locale);
    }
    Translations::install();
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "inkharbor-screenshots: cannot make %s\n", qPrintable(folder));
        return 1;
    }
    symbols();
    lookUp();
    for (const bool dark : {false, true}) {
        const Screenshots::Look look(dark);
        const QString theme = dark ? QStringLiteral("dark") : QStringLiteral("light");
        settings(theme);
        history(theme);
        result(theme);
        onboarding(theme);
        toasts(theme);
        tray(theme);
    }
    // Activation checks of the dock icon still pending end with the program.
    QTest::qWait(600);
    std::printf("pictures in %s\n", qPrintable(folder));
    return 0;
}
