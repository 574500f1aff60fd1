#include "capture/ScreenFrames.h"

#include <vector>

ScreenFrames::ScreenFrames(Screens& screens)
    : screens_(screens) {}

QCoro::Task<void> ScreenFrames::freeze(QList<DisplayInfo> displays) {
    frames_.clear();
    // Every grab starts before the first is awaited, so slow displays overlap.
    std::vector<QCoro::Task<QImage>> grabs;
    grabs.reserve(size_t(displays.size()));
    for (const DisplayInfo& d : displays)
        grabs.push_back(screens_.grab(d.id));
    for (size_t i = 0; i < grabs.size(); ++i) {
        QImage image = co_await grabs[i];
        if (!image.isNull())
            frames_[displays[qsizetype(i)].id] = std::move(image);
    }
}

QImage ScreenFrames::frame(quint32 displayId) const {
    auto it = frames_.find(displayId);
    return it == frames_.end() ? QImage() : it->second;
}

void ScreenFrames::clear() {
    frames_.clear();
}
