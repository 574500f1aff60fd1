#include "output/ActionFailures.h"

ActionFailures::ActionFailures(LogSink& sink, Show show)
    : log_(sink, QStringLiteral("actions"))
    , show_(std::move(show)) {}

void ActionFailures::report(const QString& message, const QString& detail) {
    log(message, detail);
    if (show_)
        show_(message, detail);
}

void ActionFailures::log(const QString& message, const QString& detail) const {
    log_.error("%{public}s: %{public}s", message, detail);
}
