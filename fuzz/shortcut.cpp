// The stored form of a shortcut and everything that reads it.
//
// Input: the value stored under "KeyBindings_<name>" (UTF-8), optionally
// followed by a NUL byte and a keyboard layout: tab-separated characters, the
// one for a key code being field (code mod count); an empty field prints
// nothing, "\uXXXX" is any UTF-16 code unit. Every integer in the input, and
// the first bytes read as 32- and 64-bit integers, also go through the key
// tables.

#include "FuzzSupport.h"

#include "KeyBindings/KeyBindings.h"
#include "KeyBindings/KeyCodeTable.h"
#include "KeyBindings/Shortcut.h"
#include "KeyBindings/SpecialKey.h"
#include "platform/NullHotKeyGrabber.h"
#include "platform/UsKeyboardLayout.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/UserDefaults.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextBoundaryFinder>

#include <cstring>
#include <limits>
#include <memory>

using FuzzSupport::require;

namespace {

class FuzzLayout final : public KeyboardLayout {
public:
    explicit FuzzLayout(const QString& spec)
        : fields_(spec.isEmpty() ? QStringList() : spec.split(u'\t')) {}
    std::optional<QString> character(qint64 carbonKeyCode) const override {
        if (fields_.isEmpty())
            return std::nullopt;
        const qint64 n = fields_.size();
        const QString field = fields_[qsizetype(((carbonKeyCode % n) + n) % n)];
        if (field.isEmpty())
            return std::nullopt;
        return FuzzSupport::unescape(field);
    }

private:
    QStringList fields_;
};

// One store and module for the whole run; each input sets its own values.
struct Module {
    UserDefaults defaults{FuzzSupport::temporaryDirectory() + u"/shortcut.conf"};
    NotificationCenter notifications;
    NullHotKeyGrabber grabber;
    UsKeyboardLayout layout;
    KeyBindings bindings{defaults, notifications, grabber, layout};
    KeyBindings::Name withDefault{QStringLiteral("captureText"), Shortcut{17, 4608}};
    KeyBindings::Name withoutDefault{QStringLiteral("captureBarcode"), std::nullopt};
};

Module& module() {
    static Module* m = new Module; // never destroyed: libFuzzer may exit from any thread
    return *m;
}

std::optional<Shortcut> readRegistered(const QVariant& value) {
    Module& m = module();
    m.defaults.registerDefaults({{KeyBindings::storageKey(m.withoutDefault), value}});
    return m.bindings.readShortcut(m.withoutDefault);
}

// The two canonical member orders, with any white space JSON allows.
std::optional<Shortcut> canonicalForm(const QString& value) {
    static const QRegularExpression keyFirst(QStringLiteral(
        R"(^[ \t\n\r]*\{[ \t\n\r]*"carbonKeyCode"[ \t\n\r]*:[ \t\n\r]*(-?(?:0|[1-9]\d{0,14}))[ \t\n\r]*,)"
        R"([ \t\n\r]*"carbonModifiers"[ \t\n\r]*:[ \t\n\r]*(-?(?:0|[1-9]\d{0,14}))[ \t\n\r]*\}[ \t\n\r]*$)"));
    static const QRegularExpression modifiersFirst(QStringLiteral(
        R"(^[ \t\n\r]*\{[ \t\n\r]*"carbonModifiers"[ \t\n\r]*:[ \t\n\r]*(-?(?:0|[1-9]\d{0,14}))[ \t\n\r]*,)"
        R"([ \t\n\r]*"carbonKeyCode"[ \t\n\r]*:[ \t\n\r]*(-?(?:0|[1-9]\d{0,14}))[ \t\n\r]*\}[ \t\n\r]*$)"));
    if (const auto match = keyFirst.match(value); match.hasMatch())
        return Shortcut{match.captured(1).toLongLong(), match.captured(2).toLongLong()};
    if (const auto match = modifiersFirst.match(value); match.hasMatch())
        return Shortcut{match.captured(2).toLongLong(), match.captured(1).toLongLong()};
    return std::nullopt;
}

// No translations are loaded here: the names are the English ones.
QString prefixFor(qint64 carbonModifiers) {
    QString prefix;
    if (carbonModifiers & CarbonModifiers::command)
        prefix += u"Super+";
    if (carbonModifiers & CarbonModifiers::control)
        prefix += u"Ctrl+";
    if (carbonModifiers & CarbonModifiers::option)
        prefix += u"Alt+";
    if (carbonModifiers & CarbonModifiers::shift)
        prefix += u"Shift+";
    if (carbonModifiers & CarbonModifiers::function)
        prefix += u"Fn+";
    return prefix;
}

void checkDescription(const Shortcut& shortcut, const KeyboardLayout& layout) {
    const QString text = shortcut.description(layout);
    const QString prefix = prefixFor(shortcut.carbonModifiers);
    require(text.startsWith(prefix), "modifier names come first, in the fixed order", text);
    const QString keyPart = text.sliced(prefix.size());
    require(!keyPart.isEmpty(), "the key is always shown", text);
    if (const auto special = specialKey(shortcut.carbonKeyCode)) {
        const QString name =
            isKeypadKey(*special) ? u"Num+" + displayName(*special) : displayName(*special);
        require(keyPart == name, "a special key shows its name", text);
        return;
    }
    const std::optional<QString> character = layout.character(shortcut.carbonKeyCode);
    const bool single = character && FuzzSupport::clusters(*character).size() == 1;
    // Qt and ICU may follow different Unicode versions; judge only where they agree.
    if (character &&
        single !=
            (QTextBoundaryFinder(QTextBoundaryFinder::Grapheme, *character).toNextBoundary() ==
             character->size()))
        return;
    if (!single) {
        require(keyPart == QString(QChar(0xFFFD)), "a key without one character shows U+FFFD",
                text);
        return;
    }
    // A single scalar is shown upper-cased, whatever plane it is from.
    if (character->toUcs4().size() == 1 && !FuzzSupport::hasLoneSurrogate(*character))
        require(keyPart == keyPart.toUpper(), "the key's character is upper-cased",
                *character + u" -> " + keyPart);
}

void checkKeyTables(qint64 value) {
    // Carbon key code to evdev and back.
    if (const auto evdev = KeyCodeTable::evdevCode(value)) {
        require(KeyCodeTable::carbonKeyCode(*evdev) == value, "evdev code maps back");
        require(KeyCodeTable::xKeycode(value) == *evdev + KeyCodeTable::xKeycodeOffset,
                "X key code is the evdev code plus 8");
        require(KeyCodeTable::carbonKeyCodeForXKeycode(*evdev + KeyCodeTable::xKeycodeOffset) ==
                    value,
                "X key code maps back");
    } else {
        require(!KeyCodeTable::xKeycode(value), "no X key code without an evdev code");
        require(!KeyCodeTable::usCharacter(value), "no character without a key");
    }
    if (const auto c = KeyCodeTable::usCharacter(value))
        require(c->unicode() >= 0x20 && c->unicode() < 0x7F, "US characters are printable ASCII");

    // Any int as an evdev, X or Qt key code.
    for (const int code : {int(value), int(value >> 32), int(qint16(value))}) {
        if (const auto carbon = KeyCodeTable::carbonKeyCode(code))
            require(KeyCodeTable::evdevCode(*carbon) == code, "carbon code maps back to evdev");
        if (const auto carbon = KeyCodeTable::carbonKeyCodeForXKeycode(code))
            require(KeyCodeTable::xKeycode(*carbon) == code, "carbon code maps back to X");
        for (const bool keypad : {false, true})
            if (const auto carbon = KeyCodeTable::carbonKeyCodeForQtKey(code, keypad))
                require(KeyCodeTable::evdevCode(*carbon).has_value(), "Qt keys map to real keys");
    }

    if (const auto special = specialKey(value))
        require(keyCode(*special) == value, "special key maps back to its code");

    // Built from flags, a shortcut holds only the five modifiers, normalised.
    const Shortcut built(Key{value}, value);
    const qint64 allBits = CarbonModifiers::command | CarbonModifiers::shift |
                           CarbonModifiers::option | CarbonModifiers::control |
                           CarbonModifiers::function;
    require((built.carbonModifiers & ~allBits) == 0, "only the five modifiers survive");
    require(toCarbon(toFlags(built.carbonModifiers)) == built.carbonModifiers,
            "built shortcuts are normalised");
    const Shortcut match = built.matchKey();
    require(match.matchKey() == match, "the match form is stable");
    require(match.carbonKeyCode == built.carbonKeyCode, "matching keeps the key");
    if (built.isFunctionKeyImplied())
        require(!(match.carbonModifiers & CarbonModifiers::function),
                "keys that imply fn match without it");
}

QList<qint64> integersIn(QByteArrayView bytes) {
    QList<qint64> values;
    qsizetype i = 0;
    while (i < bytes.size()) {
        const bool starts =
            (bytes[i] >= '0' && bytes[i] <= '9') ||
            (bytes[i] == '-' && i + 1 < bytes.size() && bytes[i + 1] >= '0' && bytes[i + 1] <= '9');
        if (!starts) {
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        while (end < bytes.size() && bytes[end] >= '0' && bytes[end] <= '9')
            ++end;
        if (const auto v = FuzzSupport::parseInteger(bytes.sliced(i, end - i)))
            values.append(*v);
        i = end;
    }
    qint64 raw64 = 0;
    std::memcpy(&raw64, bytes.data(), size_t(std::min<qsizetype>(bytes.size(), 8)));
    qint32 raw32 = 0;
    std::memcpy(&raw32, bytes.data(), size_t(std::min<qsizetype>(bytes.size(), 4)));
    values << raw64 << raw32 << std::numeric_limits<qint64>::min()
           << std::numeric_limits<qint64>::max() << std::numeric_limits<int>::min();
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype nul = bytes.indexOf('\0');
    const QByteArrayView valueBytes = nul < 0 ? bytes : bytes.first(nul);
    const QString value = QString::fromUtf8(valueBytes);
    const FuzzLayout fuzzLayout(nul < 0 ? QString() : QString::fromUtf8(bytes.sliced(nul + 1)));

    const std::optional<Shortcut> decoded = Shortcut::fromJson(value);

    // Decoding keeps exactly the numbers the JSON holds, or nothing.
    if (decoded) {
        const QJsonObject object = QJsonDocument::fromJson(value.toUtf8()).object();
        require(double(decoded->carbonKeyCode) ==
                        object.value(QStringLiteral("carbonKeyCode")).toDouble() &&
                    double(decoded->carbonModifiers) ==
                        object.value(QStringLiteral("carbonModifiers")).toDouble(),
                "decoding keeps the stored numbers", value);
        const QString json = decoded->toJson();
        require(json == u"{\"carbonKeyCode\":" + QString::number(decoded->carbonKeyCode) +
                            u",\"carbonModifiers\":" + QString::number(decoded->carbonModifiers) +
                            u'}',
                "encoding is compact, key code first", json);
        require(Shortcut::fromJson(json) == decoded, "encode then decode gives it back", json);
        const QString swapped = u"{\"carbonModifiers\":" +
                                QString::number(decoded->carbonModifiers) + u",\"carbonKeyCode\":" +
                                QString::number(decoded->carbonKeyCode) + u'}';
        require(Shortcut::fromJson(swapped) == decoded, "either member order decodes", swapped);
    }
    if (const auto canonical = canonicalForm(value))
        require(decoded == canonical, "a well-formed shortcut decodes to its numbers", value);

    // Through the module, as the store hands the value over: a string, a
    // list (an unquoted value with commas in a hand-edited file), false.
    const std::optional<Shortcut> read = readRegistered(value);
    require(read == (value == u"false" ? std::nullopt : decoded),
            "reading the store decodes the string", value);
    require(readRegistered(value.split(u',')) == read, "a list reads as its joined string", value);
    require(!readRegistered(false), "false reads as no shortcut");

    // Writing a decodable shortcut stores it so that it reads back unchanged.
    if (decoded) {
        Module& m = module();
        m.bindings.writeShortcut(m.withDefault, decoded);
        require(m.bindings.readShortcut(m.withDefault) == decoded, "write then read round trip");
        m.bindings.writeShortcut(m.withDefault, std::nullopt);
        require(!m.bindings.readShortcut(m.withDefault), "clearing leaves no shortcut");
        require(m.defaults.hasStoredValue(KeyBindings::storageKey(m.withDefault)),
                "clearing a name with a default keeps a stored false");
    }

    const QList<qint64> integers = integersIn(valueBytes);
    QList<Shortcut> shortcuts;
    if (decoded)
        shortcuts.append(*decoded);
    for (qsizetype i = 0; i + 1 < integers.size() && shortcuts.size() < 16; i += 2)
        shortcuts.append(Shortcut{integers[i], integers[i + 1]});
    for (const Shortcut& s : shortcuts) {
        checkDescription(s, module().layout);
        checkDescription(s, fuzzLayout);
        checkDescription(Shortcut(s.key(), s.modifierFlags()), fuzzLayout);
    }
    for (qsizetype i = 0; i < integers.size() && i < 32; ++i)
        checkKeyTables(integers[i]);
    return 0;
}
