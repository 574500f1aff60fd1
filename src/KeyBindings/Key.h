#pragma once

#include <QtGlobal>

// A key by its virtual key code: the hardware-independent key numbers of the
// Carbon key-code table, which is what stored shortcuts hold. KeyCodeTable
// converts them to the key codes of the X server by key position.
struct Key {
    qint64 rawValue = 0;

    constexpr bool operator==(const Key&) const = default;

    static const Key a, b, c, d, e, f, g, h, i, j, k, l, m, n, o, p, q, r, s, t, u, v, w, x, y, z;
    static const Key returnKey, tab, space, deleteKey, escape;
};

inline constexpr Key Key::a{0x00}, Key::s{0x01}, Key::d{0x02}, Key::f{0x03}, Key::h{0x04},
    Key::g{0x05}, Key::z{0x06}, Key::x{0x07}, Key::c{0x08}, Key::v{0x09}, Key::b{0x0B},
    Key::q{0x0C}, Key::w{0x0D}, Key::e{0x0E}, Key::r{0x0F}, Key::y{0x10}, Key::t{0x11},
    Key::o{0x1F}, Key::u{0x20}, Key::i{0x22}, Key::p{0x23}, Key::l{0x25}, Key::j{0x26},
    Key::k{0x28}, Key::n{0x2D}, Key::m{0x2E};
inline constexpr Key Key::returnKey{36}, Key::tab{48}, Key::space{49}, Key::deleteKey{51},
    Key::escape{53};
