// Real input for a headless KWin, through its fake-input protocol:
//   kwin-keys CODE...     presses the evdev key codes in order, then releases them
//   kwin-keys click X Y   moves the pointer there and clicks the left button
#include "fake-input.h"
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>
#include <wayland-client.h>
static struct org_kde_kwin_fake_input *fake;
static void global(void *d, struct wl_registry *r, uint32_t name, const char *iface, uint32_t v) {
    (void)d;
    if (strcmp(iface, "org_kde_kwin_fake_input") == 0)
        fake = wl_registry_bind(r, name, &org_kde_kwin_fake_input_interface, v < 4 ? v : 4);
}
static void global_remove(void *d, struct wl_registry *r, uint32_t n) { (void)d; (void)r; (void)n; }
static const struct wl_registry_listener listener = {global, global_remove};
int main(int argc, char **argv) {
    struct wl_display *display = wl_display_connect(NULL);
    if (!display) { fprintf(stderr, "no display\n"); return 1; }
    struct wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, NULL);
    wl_display_roundtrip(display);
    if (!fake) { fprintf(stderr, "no fake input\n"); return 1; }
    org_kde_kwin_fake_input_authenticate(fake, "keys", "test");
    wl_display_roundtrip(display);
    if (argc == 4 && strcmp(argv[1], "click") == 0) {
        org_kde_kwin_fake_input_pointer_motion_absolute(fake, wl_fixed_from_int(atoi(argv[2])), wl_fixed_from_int(atoi(argv[3])));
        wl_display_roundtrip(display); usleep(100000);
        org_kde_kwin_fake_input_button(fake, 272, 1); wl_display_roundtrip(display); usleep(80000);
        org_kde_kwin_fake_input_button(fake, 272, 0); wl_display_roundtrip(display);
        return 0;
    }
    for (int i = 1; i < argc; ++i) { org_kde_kwin_fake_input_keyboard_key(fake, atoi(argv[i]), 1); wl_display_roundtrip(display); usleep(50000); }
    usleep(200000);
    for (int i = argc - 1; i >= 1; --i) { org_kde_kwin_fake_input_keyboard_key(fake, atoi(argv[i]), 0); wl_display_roundtrip(display); usleep(50000); }
    wl_display_roundtrip(display);
    return 0;
}
