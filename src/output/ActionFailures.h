#pragma once

#include "platform/base/Log.h"

#include <QString>

#include <functional>

// Where an action the user chose ends when it does not work ("Search the
// web" without a browser, "Speak" without a sound device, a link the desktop
// would not open): the user is told in words and the log keeps it.
class ActionFailures {
public:
    // Shows a message and its detail to the user.
    using Show = std::function<void(const QString& message, const QString& detail)>;

    ActionFailures(LogSink& sink, Show show);

    void report(const QString& message, const QString& detail);
    // Logs a failure the user already sees where it happened (a window's own text).
    void log(const QString& message, const QString& detail) const;

private:
    Log log_;
    Show show_;
};
