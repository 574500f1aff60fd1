#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

// One recognised piece of text with its box in pixels of the captured image:
// origin at the image's top-left corner, y growing downwards.
struct TextObservation {
    QString text;
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    bool operator==(const TextObservation&) const = default;

    // {"text":…, "x":…, "y":…, "width":…, "height":…}; other keys are ignored when reading.
    QJsonObject toJson() const;
    static std::optional<TextObservation> fromJson(const QJsonObject& object);
};

using TextObservations = QList<TextObservation>;
