#pragma once

#include "platform/Screens.h"
#include "platform/SoundPlayer.h"
#include "platform/WindowFocus.h"
#include "support/RecordingLogSink.h"

#include <QColor>
#include <QImage>
#include <QStringList>

#include <qcoro/qcorotimer.h>

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <vector>

// Fakes of the desktop services for tests: displays with known pixels, a
// pointer, focus and sounds that only record what was asked of them.

class FakeScreens : public Screens {
public:
    QList<DisplayInfo> list;
    QPoint pointer;
    std::map<quint32, QImage> pixels; // full-density frames; made up when missing
    int grabs = 0;
    std::function<void()> onGrab; // called as each grab happens

    QList<DisplayInfo> displays() const override { return list; }
    QPoint pointerPosition() const override { return pointer; }
    std::chrono::milliseconds delay{0}; // how long each grab takes to answer
    QString failure;                    // why a grab gave no picture, as the desktop says
    QCoro::Task<QImage> grab(quint32 id) override {
        ++grabs;
        if (onGrab)
            onGrab();
        if (delay.count() > 0)
            co_await QCoro::sleepFor(delay);
        co_return frameOf(id);
    }
    QString grabFailure() const override { return failure; }
    QImage frameOf(quint32 id) const {
        for (const DisplayInfo& d : list) {
            if (d.id != id)
                continue;
            if (auto it = pixels.find(id); it != pixels.end())
                return it->second;
            // A frame whose every pixel tells where it is: red = x, green = y.
            const QSize size(int(d.geometry.width() * d.scale), int(d.geometry.height() * d.scale));
            QImage image(size, QImage::Format_RGB32);
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    image.setPixel(x, y, qRgb(x % 256, y % 256, int(id % 256)));
            return image;
        }
        return {};
    }

    static DisplayInfo display(quint32 id, QRect geometry, double scale = 1) {
        return DisplayInfo{id, QStringLiteral("fake-%1").arg(id), geometry,
                           geometry.adjusted(0, 0, 0, -40), scale};
    }
};

class FakePermission : public ScreenCapturePermission {
public:
    bool granted = true;
    bool asks = false;
    std::optional<QString> unavailable; // a desktop that offers no way to read the screen
    int settingsOpened = 0;
    bool asksUser() const override { return asks; }
    std::optional<QString> unavailableReason() const override { return unavailable; }
    bool preflight() const override { return granted; }
    bool request() override { return granted; }
    bool openSettings() override {
        ++settingsOpened;
        return true;
    }
};

class FakeFocus : public WindowFocus {
public:
    quint64 active = 42;
    std::vector<quint64> activated;
    quint64 activeWindow() const override { return active; }
    QString activeApplicationName() const override { return QStringLiteral("Editor"); }
    void activate(quint64 window) override {
        activated.push_back(window);
        active = window;
    }
};

class FakeSound : public SoundPlayer {
public:
    QStringList played;
    void play(const QString& name) override { played.append(name); }
};
