#pragma once

#include <QString>

#include <stdexcept>

// Errors thrown by platform services and the services above them. The text is
// the error's localised description, shown as the detail of the failure toast.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& description)
        : std::runtime_error(description.toStdString()) {}
    QString description() const { return QString::fromUtf8(what()); }
};

// The description of any exception that reaches the capture road.
inline QString describe(const std::exception& e) {
    return QString::fromUtf8(e.what());
}
