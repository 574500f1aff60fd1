#pragma once

#include "history/Capture.h"

// One change made to the history and not yet written to the database.
struct HistoryChange {
    enum class Kind { Insert, Delete, DeleteAll };
    Kind kind = Kind::Insert;
    // The record inserted or deleted; unused for DeleteAll.
    Capture capture;
};
