#pragma once

#include <QColor>
#include <QList>

enum class OnboardingStep { welcome = 0, permission = 1, tryIt = 2 };

namespace OnboardingSteps {

inline constexpr int count = 3;

// The step's two colours: the hero icon's gradient and the window's tint.
inline QList<QColor> colors(OnboardingStep step, bool hasPermission) {
    switch (step) {
    case OnboardingStep::welcome:
        return {QColor(0x32, 0xAD, 0xE6), QColor(0x00, 0x7A, 0xFF)}; // cyan, blue
    case OnboardingStep::permission:
        if (hasPermission)
            return {QColor(0x00, 0xC7, 0xBE), QColor(0x34, 0xC7, 0x59)}; // mint, green
        return {QColor(0xFF, 0x95, 0x00), QColor(0xFF, 0x2D, 0x55)};     // orange, pink
    case OnboardingStep::tryIt:
        return {QColor(0xAF, 0x52, 0xDE), QColor(0x58, 0x56, 0xD6)}; // purple, indigo
    }
    return {};
}

} // namespace OnboardingSteps
