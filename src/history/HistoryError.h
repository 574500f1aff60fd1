#pragma once

#include "platform/Error.h"

// The history database could not be opened, read or written. The description
// names the file and the reason.
class HistoryError : public Error {
public:
    using Error::Error;
};
