#include "platform/x11/X11Screens.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include "platform/x11/XcbSupport.h"

#include <xcb/randr.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <map>

namespace {

xcb_connection_t* connection() {
    return Xcb::qtConnection();
}

// RandR monitors by name, with their first output; a monitor without one
// (a virtual monitor) is known by its name atom.
std::map<QString, quint32> randrIds() {
    std::map<QString, quint32> ids;
    xcb_connection_t* c = connection();
    if (!c)
        return ids;
    const xcb_setup_t* setup = xcb_get_setup(c);
    for (auto it = xcb_setup_roots_iterator(setup); it.rem; xcb_screen_next(&it)) {
        auto* reply =
            xcb_randr_get_monitors_reply(c, xcb_randr_get_monitors(c, it.data->root, 1), nullptr);
        if (!reply)
            continue;
        for (auto m = xcb_randr_get_monitors_monitors_iterator(reply); m.rem;
             xcb_randr_monitor_info_next(&m)) {
            auto* name = xcb_get_atom_name_reply(c, xcb_get_atom_name(c, m.data->name), nullptr);
            if (!name)
                continue;
            const QString key = QString::fromLatin1(xcb_get_atom_name_name(name),
                                                    xcb_get_atom_name_name_length(name));
            std::free(name);
            const int outputs = xcb_randr_monitor_info_outputs_length(m.data);
            ids[key] = outputs > 0 ? xcb_randr_monitor_info_outputs(m.data)[0] : m.data->name;
        }
        std::free(reply);
    }
    return ids;
}

} // namespace

QList<DisplayInfo> X11Screens::displays() const {
    const auto ids = randrIds();
    QList<QScreen*> screens = QGuiApplication::screens();
    // The primary screen is the main display and comes first.
    if (QScreen* primary = QGuiApplication::primaryScreen()) {
        screens.removeOne(primary);
        screens.prepend(primary);
    }
    QList<DisplayInfo> result;
    quint32 fallback = 1;
    for (QScreen* s : screens) {
        auto it = ids.find(s->name());
        const quint32 id = it != ids.end() ? it->second : 0x7fff0000u + fallback;
        ++fallback;
        result.append(DisplayInfo{id, s->name(), s->geometry(), s->availableGeometry(),
                                  s->devicePixelRatio()});
    }
    return result;
}

QPoint X11Screens::pointerPosition() const {
    return QCursor::pos();
}

QScreen* X11Screens::screenFor(quint32 displayId) const {
    const QList<DisplayInfo> all = displays();
    for (const DisplayInfo& d : all)
        if (d.id == displayId)
            for (QScreen* s : QGuiApplication::screens())
                if (s->name() == d.name)
                    return s;
    return nullptr;
}

QCoro::Task<QImage> X11Screens::grab(quint32 displayId) {
    QScreen* screen = screenFor(displayId);
    if (!screen)
        co_return QImage();
    // The root window's pixels never contain the pointer on X11.
    co_return screen->grabWindow(0).toImage();
}
