#include "platform/wayland/WaylandScreens.h"

#include "platform/Error.h"

#include "platform/portal/PortalScreenCapture.h"

#include <QCursor>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <qcoro/qcoroprocess.h>

#include <chrono>

WaylandScreens::WaylandScreens(QString grim, PortalScreenCapture* portal)
    : grim_(std::move(grim))
    , portal_(portal) {}

quint32 WaylandScreens::idFor(const QString& outputName) {
    // FNV-1a over the name: outputs keep their names across reconnection.
    quint32 hash = 2166136261u;
    for (const char byte : outputName.toUtf8()) {
        hash ^= quint8(byte);
        hash *= 16777619u;
    }
    return hash == 0 ? 1 : hash;
}

QList<DisplayInfo> WaylandScreens::displays() const {
    QList<DisplayInfo> list;
    QScreen* primary = QGuiApplication::primaryScreen();
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (QScreen* screen : screens) {
        DisplayInfo info{idFor(screen->name()), screen->name(), screen->geometry(),
                         screen->availableGeometry(), screen->devicePixelRatio()};
        if (screen == primary)
            list.prepend(info);
        else
            list.append(info);
    }
    return list;
}

QPoint WaylandScreens::pointerPosition() const {
    return QCursor::pos();
}

QScreen* WaylandScreens::screenFor(quint32 displayId) const {
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (QScreen* screen : screens)
        if (idFor(screen->name()) == displayId)
            return screen;
    return nullptr;
}

QCoro::Task<QImage> WaylandScreens::grab(quint32 displayId) {
    grabFailure_.clear();
    QScreen* screen = screenFor(displayId);
    if (!screen)
        co_return QImage();
    if (!grim_.isEmpty())
        co_return co_await grabWithGrim(screen);
    if (!portal_)
        co_return QImage();
    // The overlay's grabs start together and share one portal session. A
    // failure reads as no picture: the capture then reports it, or, after a
    // refusal, the permission step.
    QImage image;
    try {
        image = co_await portal_->grab(screen->geometry());
    } catch (const std::exception& e) {
        grabFailure_ = describe(e);
    }
    co_return image;
}

QCoro::Task<QImage> WaylandScreens::grabWithGrim(QScreen* screen) {
    // Raw PPM on standard output: no encoding to undo, no file. The pointer
    // is left out unless grim is asked for it.
    QProcess grim;
    grim.setProgram(grim_);
    grim.setArguments({QStringLiteral("-o"), screen->name(), QStringLiteral("-t"),
                       QStringLiteral("ppm"), QStringLiteral("-")});
    grim.setProcessChannelMode(QProcess::SeparateChannels);
    co_await qCoro(grim).start();
    co_await qCoro(grim).waitForFinished(std::chrono::seconds(5));
    if (grim.state() != QProcess::NotRunning) {
        grim.kill();
        grim.waitForFinished(1000);
        co_return QImage();
    }
    if (grim.exitStatus() != QProcess::NormalExit || grim.exitCode() != 0)
        co_return QImage();
    co_return QImage::fromData(grim.readAllStandardOutput(), "PPM");
}

void WaylandScreens::show(QWidget& window, const DisplayInfo& display, Placement placement) {
    QScreen* screen = screenFor(display.id);
    if (screen)
        window.setScreen(screen);
    switch (placement) {
    case Placement::cover:
        if (screen)
            window.setGeometry(screen->geometry());
        // Full screen on that output: above panels, at the output's scale.
        window.showFullScreen();
        break;
    case Placement::bottomCentre:
        // A window whose size cannot change floats on tiling compositors
        // instead of taking a tile; the compositor decides where.
        window.setFixedSize(window.size());
        window.show();
        break;
    }
}
