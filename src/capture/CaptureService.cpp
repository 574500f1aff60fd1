#include "capture/CaptureService.h"

#include "capture/ScreenFrames.h"
#include "platform/Geometry.h"
#include "platform/Screens.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString captureErrorDescription(CaptureService::CaptureError::Code code) {
    switch (code) {
    case CaptureService::CaptureError::permissionDenied:
        return QCoreApplication::translate("CaptureService",
                                           "Inkharbor is not allowed to read the screen.");
    case CaptureService::CaptureError::displayNotFound:
        break;
    }
    return QCoreApplication::translate(
        "CaptureService", "The display the area was selected on is no longer connected.");
}

} // namespace

CaptureService::CaptureError::CaptureError(Code code)
    : Error(captureErrorDescription(code))
    , code_(code) {}

CaptureService::CaptureService(Screens& screens, ScreenCapturePermission& permission,
                               ScreenFrames& frames)
    : screens_(screens)
    , permission_(permission)
    , frames_(frames) {}

QCoro::Task<QImage> CaptureService::capture(ScreenSelection selection) const {
    if (!permission_.preflight())
        throw CaptureError(CaptureError::permissionDenied);
    // The display list is read anew: a display unplugged since the drag is gone.
    const QList<DisplayInfo> displays = screens_.displays();
    auto display = std::find_if(displays.begin(), displays.end(),
                                [&](const DisplayInfo& d) { return d.id == selection.displayID; });
    if (display == displays.end()) {
        frames_.clear();
        throw CaptureError(CaptureError::displayNotFound);
    }
    QImage frame = frames_.frame(selection.displayID);
    if (frame.isNull())
        frame = co_await screens_.grab(selection.displayID);
    frames_.clear();
    if (frame.isNull())
        throw Error(QCoreApplication::translate("CaptureService", "The screen could not be read."));

    // The frame may come at another density than the display reports (a
    // display whose scale changed since): measure it rather than trust it.
    const double scale = display->geometry.width() > 0
                             ? double(frame.width()) / display->geometry.width()
                             : display->scale;
    const QRect source = Geometry::pixelRect(selection.rect, scale);
    // QImage::copy() takes a rectangle without pixels for the whole frame: an
    // area too small to hold one pixel must not become the whole display.
    if (source.width() < 1 || source.height() < 1)
        throw Error(QCoreApplication::translate("CaptureService",
                                                "The selected area is too small to capture."));
    QImage image = frame.copy(source); // areas outside the frame come out black
    image.setDevicePixelRatio(1);
    co_return image;
}

void CaptureService::openScreenRecordingSettings() const {
    permission_.openSettings();
}
