#include "app/AppCommandLine.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

struct ActionOption {
    AppCommandLine::Action action;
    const char* option;
    const char* busAction;
    const char* description;
};

constexpr std::array<ActionOption, 5> actionOptions{{
    {AppCommandLine::Action::captureText, "capture-text", "capture-text",
     "Select an area of the screen and copy its text."},
    {AppCommandLine::Action::captureBarcode, "capture-barcode", "capture-barcode",
     "Select an area of the screen and copy its QR codes and barcodes."},
    {AppCommandLine::Action::history, "history", "show-history", "Open the history window."},
    {AppCommandLine::Action::settings, "settings", "settings", "Open the settings window."},
    {AppCommandLine::Action::quit, "quit", "quit",
     "Quit the running Inkharbor; start nothing when none runs."},
}};

} // namespace

std::variant<AppCommandLine::Launch, CommandLine::Exit>
AppCommandLine::parse(const QStringList& arguments) {
    CommandLine commandLine(
        u"inkharbor"_s, {u"[OPTION]"_s},
        u"Copies text from anywhere on the screen. Without an option Inkharbor starts in the\n"
        "system tray, or the one already running opens its window. An option asks the\n"
        "running Inkharbor (over D-Bus) to do one thing, starting it first when none runs."_s);
    QCommandLineParser& parser = commandLine.parser();
    for (const ActionOption& a : actionOptions)
        parser.addOption({QString::fromLatin1(a.option), QString::fromUtf8(a.description)});
    // Qt reads these itself when the application starts; a session manager
    // restarts the program with -session.
    for (const char* qtOption : {"platform", "display", "session"}) {
        QCommandLineOption option(QString::fromLatin1(qtOption), QString(), u"value"_s);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (auto exit = commandLine.parse(arguments))
        return *exit;
    if (!parser.positionalArguments().isEmpty())
        return commandLine.error(u"unexpected argument %1"_s.arg(parser.positionalArguments()[0]));
    Launch launch{Action::none, parser.value(u"platform"_s), parser.value(u"display"_s)};
    for (const ActionOption& a : actionOptions) {
        if (!parser.isSet(QString::fromLatin1(a.option)))
            continue;
        if (launch.action != Action::none)
            return commandLine.error(u"one action at a time"_s);
        launch.action = a.action;
    }
    return launch;
}

QString AppCommandLine::busAction(Action action) {
    for (const ActionOption& a : actionOptions)
        if (a.action == action)
            return QString::fromLatin1(a.busAction);
    return {};
}
