#include "capture/ScreenFrames.h"

ScreenFrames::ScreenFrames(Screens& screens)
    : screens_(screens) {}

void ScreenFrames::freeze(const QList<DisplayInfo>& displays) {
    frames_.clear();
    for (const DisplayInfo& d : displays) {
        QImage image = screens_.grab(d.id);
        if (!image.isNull())
            frames_[d.id] = std::move(image);
    }
}

QImage ScreenFrames::frame(quint32 displayId) const {
    auto it = frames_.find(displayId);
    return it == frames_.end() ? QImage() : it->second;
}

void ScreenFrames::clear() {
    frames_.clear();
}
