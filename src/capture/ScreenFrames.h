#pragma once

#include "platform/Screens.h"

#include <QImage>

#include <map>

// The displays' pixels frozen the moment the overlay opened. Without a
// compositor the windows beneath the overlay repaint late once it closes, so
// the capture is cut from these frames. They live in memory only, and only
// until the capture has been cut or cancelled.
class ScreenFrames {
public:
    explicit ScreenFrames(Screens& screens);

    // Grabs every display, all at once, and resumes when each has answered.
    QCoro::Task<void> freeze(QList<DisplayInfo> displays);
    // The frozen frame of a display; a null image when there is none.
    QImage frame(quint32 displayId) const;
    void clear();
    bool isEmpty() const { return frames_.empty(); }

private:
    Screens& screens_;
    std::map<quint32, QImage> frames_;
};
