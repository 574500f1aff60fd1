#include "platform/x11/X11KeyboardLayout.h"

#include "KeyBindings/KeyCodeTable.h"

#include <QGuiApplication>

#include <xkbcommon/xkbcommon-keysyms.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <array>
#include <utility>

namespace {

using Keymap = std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)>;
using State = std::unique_ptr<xkb_state, decltype(&xkb_state_unref)>;

// A dead key prints nothing by itself; show the accent it puts on the next letter.
constexpr std::array<std::pair<xkb_keysym_t, char16_t>, 13> deadKeys{{
    {XKB_KEY_dead_grave, u'`'},
    {XKB_KEY_dead_acute, u'´'},
    {XKB_KEY_dead_circumflex, u'^'},
    {XKB_KEY_dead_tilde, u'~'},
    {XKB_KEY_dead_diaeresis, u'¨'},
    {XKB_KEY_dead_cedilla, u'¸'},
    {XKB_KEY_dead_abovering, u'˚'},
    {XKB_KEY_dead_macron, u'¯'},
    {XKB_KEY_dead_caron, u'ˇ'},
    {XKB_KEY_dead_breve, u'˘'},
    {XKB_KEY_dead_doubleacute, u'˝'},
    {XKB_KEY_dead_ogonek, u'˛'},
    {XKB_KEY_dead_abovedot, u'˙'},
}};

xkb_keysym_t baseKeysym(xkb_keymap* keymap, xkb_keycode_t keycode, xkb_layout_index_t layout) {
    const xkb_layout_index_t layouts = xkb_keymap_num_layouts_for_key(keymap, keycode);
    if (layouts == 0)
        return XKB_KEY_NoSymbol;
    if (layout >= layouts)
        layout = 0;
    const xkb_keysym_t* syms = nullptr;
    if (xkb_keymap_key_get_syms_by_level(keymap, keycode, layout, 0, &syms) != 1)
        return XKB_KEY_NoSymbol;
    return syms[0];
}

// Shortcuts are shown in the letters of a Latin layout, as the user is likely
// to know them; with a Cyrillic or Greek layout in front, use the first Latin
// one the user has.
bool isLatin(xkb_keymap* keymap, xkb_layout_index_t layout) {
    const auto keycodeOfA = KeyCodeTable::xKeycode(0x00);
    const xkb_keysym_t sym = baseKeysym(keymap, static_cast<xkb_keycode_t>(*keycodeOfA), layout);
    return sym >= XKB_KEY_a && sym <= XKB_KEY_z;
}

xkb_layout_index_t latinLayout(xkb_keymap* keymap, xkb_layout_index_t current) {
    if (isLatin(keymap, current))
        return current;
    const xkb_layout_index_t count = xkb_keymap_num_layouts(keymap);
    for (xkb_layout_index_t layout = 0; layout < count; ++layout)
        if (isLatin(keymap, layout))
            return layout;
    return current;
}

} // namespace

std::unique_ptr<X11KeyboardLayout> X11KeyboardLayout::create() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return nullptr;
    return std::make_unique<X11KeyboardLayout>(x11->connection());
}

X11KeyboardLayout::X11KeyboardLayout(xcb_connection_t* connection)
    : connection_(connection)
    , context_(xkb_context_new(XKB_CONTEXT_NO_FLAGS)) {
    if (xkb_x11_setup_xkb_extension(
            connection_, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr))
        deviceId_ = xkb_x11_get_core_keyboard_device_id(connection_);
}

X11KeyboardLayout::~X11KeyboardLayout() {
    xkb_context_unref(context_);
}

std::optional<QString> X11KeyboardLayout::character(qint64 carbonKeyCode) const {
    const auto keycode = KeyCodeTable::xKeycode(carbonKeyCode);
    if (!keycode || !context_ || deviceId_ < 0)
        return std::nullopt;
    const Keymap keymap(xkb_x11_keymap_new_from_device(context_, connection_, deviceId_,
                                                       XKB_KEYMAP_COMPILE_NO_FLAGS),
                        &xkb_keymap_unref);
    if (!keymap)
        return std::nullopt;
    const State state(xkb_x11_state_new_from_device(keymap.get(), connection_, deviceId_),
                      &xkb_state_unref);
    const xkb_layout_index_t current =
        state ? xkb_state_serialize_layout(state.get(), XKB_STATE_LAYOUT_EFFECTIVE) : 0;
    const xkb_keysym_t sym = baseKeysym(keymap.get(), static_cast<xkb_keycode_t>(*keycode),
                                        latinLayout(keymap.get(), current));
    for (const auto& [dead, spacing] : deadKeys)
        if (sym == dead)
            return QString(QChar(spacing));
    const char32_t c = xkb_keysym_to_utf32(sym);
    if (c == 0 || c < 0x20 || (c >= 0x7F && c < 0xA0))
        return std::nullopt;
    return QString::fromUcs4(&c, 1);
}
