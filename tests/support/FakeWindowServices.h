#pragma once

#include "output/ActionFailures.h"
#include "output/LookUpWindow.h"
#include "output/SearchService.h"
#include "output/SpeechService.h"
#include "shell/DockIconService.h"
#include "support/FakePlatform.h"

// The services the history, result and look-up windows share, wired over the
// fake platform as the coordinator wires them over the real one. What the
// user would be told of a failed action is kept in `told`, "message: detail".
struct FakeWindowServices : FakePlatform {
    QStringList told;
    DockIconService dockIcon{focus, log};
    LookUpWindow lookUpWindow{dictionary, dockIcon};
    ActionFailures failures{log, [this](const QString& message, const QString& detail) {
                                told.append(message + u": " + detail);
                            }};
    SearchService search{defaults, urls, lookUpWindow, failures};
    SpeechService speaker{speech, [](const QString&) { return QStringList(); }, failures};
};
