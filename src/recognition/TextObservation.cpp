#include "recognition/TextObservation.h"

QJsonObject TextObservation::toJson() const {
    return QJsonObject{{QStringLiteral("text"), text},
                       {QStringLiteral("x"), x},
                       {QStringLiteral("y"), y},
                       {QStringLiteral("width"), width},
                       {QStringLiteral("height"), height}};
}

std::optional<TextObservation> TextObservation::fromJson(const QJsonObject& object) {
    const auto text = object.value(QStringLiteral("text"));
    if (!text.isString())
        return std::nullopt;
    TextObservation o;
    o.text = text.toString();
    double* fields[] = {&o.x, &o.y, &o.width, &o.height};
    const char* keys[] = {"x", "y", "width", "height"};
    for (int i = 0; i < 4; ++i) {
        const auto v = object.value(QLatin1String(keys[i]));
        if (!v.isDouble())
            return std::nullopt;
        *fields[i] = v.toDouble();
    }
    return o;
}
