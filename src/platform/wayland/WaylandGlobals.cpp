#include "platform/wayland/WaylandGlobals.h"

#include <wayland-client.h>

namespace {

void announced(void* data, wl_registry*, uint32_t, const char* interface, uint32_t) {
    static_cast<QStringList*>(data)->append(QString::fromLatin1(interface));
}

void removed(void*, wl_registry*, uint32_t) {}

const wl_registry_listener listener{announced, removed};

} // namespace

QStringList WaylandGlobals::interfaces() {
    // Qt's own connection is not ours to dispatch: a short one beside it.
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return {};
    QStringList names;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &names);
    if (wl_display_roundtrip(display) < 0)
        names.clear();
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return names;
}
