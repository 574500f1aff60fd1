#pragma once

#include "app/CommandLine.h"

#include <QString>
#include <QStringList>

#include <variant>

// inkharbor [--capture-text | --capture-barcode | --history | --settings | --quit]
//
// Without an option the program starts, or, when it runs already, the running
// one re-opens. An action is done by the running Inkharbor, reached over its
// D-Bus actions; when none runs, one is started and then does it. --quit ends
// the running one and starts nothing. Qt's own -platform, -display and
// -session are let through for Qt.
class AppCommandLine {
public:
    enum class Action { none, captureText, captureBarcode, history, settings, quit };

    struct Launch {
        Action action = Action::none;
        // Qt's -platform and -display, which the display check must heed.
        QString platform;
        QString display;
        bool operator==(const Launch&) const = default;
    };

    static constexpr int failed = 1;

    // arguments as argv: the program's name first. A Launch, or how the
    // program ends at once (help, version, wrong arguments).
    static std::variant<Launch, CommandLine::Exit> parse(const QStringList& arguments);

    // The application's D-Bus action that does it ("capture-text", ...);
    // empty for none.
    static QString busAction(Action action);
};
