#pragma once

#include "capture/ScreenSelection.h"
#include "platform/Error.h"

#include <QImage>

#include <qcoro/qcorotask.h>

class ScreenCapturePermission;
class ScreenFrames;
class Screens;

// Turns a selection into an image of exactly that rectangle of that display,
// at the display's full pixel density, without the pointer and without the
// program's floating windows.
class CaptureService {
public:
    class CaptureError : public Error {
    public:
        enum Code { permissionDenied = 0, displayNotFound = 1 };
        explicit CaptureError(Code code);
        Code code() const { return code_; }

    private:
        Code code_;
    };

    CaptureService(Screens& screens, ScreenCapturePermission& permission, ScreenFrames& frames);

    // Fails with CaptureError, or Error when the screen cannot be read.
    QCoro::Task<QImage> capture(ScreenSelection selection) const;
    void openScreenRecordingSettings() const;

private:
    Screens& screens_;
    ScreenCapturePermission& permission_;
    ScreenFrames& frames_;
};
