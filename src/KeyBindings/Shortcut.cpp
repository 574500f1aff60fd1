#include "KeyBindings/Shortcut.h"

#include "KeyBindings/LocalizedText.h"
#include "KeyBindings/SpecialKey.h"
#include "platform/KeyboardLayout.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>
#include <QTextBoundaryFinder>

#include <array>
#include <cmath>
#include <utility>

namespace {

constexpr std::array<std::pair<qint64, qint64>, 5> modifierPairs{{
    {ModifierFlags::command, CarbonModifiers::command},
    {ModifierFlags::shift, CarbonModifiers::shift},
    {ModifierFlags::option, CarbonModifiers::option},
    {ModifierFlags::control, CarbonModifiers::control},
    {ModifierFlags::function, CarbonModifiers::function},
}};

constexpr std::array<qint64, 31> functionKeyImplied{
    122, 120, 99, 118, 96,  97,  98, 100, 101, 109, 103, 111, 105, 107, 113, 106,
    64,  79,  80, 90,  114, 117, 71, 115, 119, 116, 121, 126, 124, 125, 123};

std::optional<qint64> jsonInteger(const QJsonObject& object, const QString& member) {
    const QJsonValue value = object.value(member);
    if (!value.isDouble())
        return std::nullopt;
    const double d = value.toDouble();
    // Beyond ±2^63 the conversion below would be undefined.
    if (std::trunc(d) != d || std::fabs(d) >= 9.2e18)
        return std::nullopt;
    return static_cast<qint64>(d);
}

bool isSingleCharacter(const QString& text) {
    if (text.isEmpty())
        return false;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    return finder.toNextBoundary() == text.size();
}

// Qt's name of a modifier, in Qt's translation, as its menus write it.
QString qtKeyName(const char* name) {
    return QCoreApplication::translate("QShortcut", name);
}

QString capitalized(const QString& text) {
    if (text.isEmpty())
        return text;
    // The first scalar, whole: a letter outside the BMP is a surrogate pair.
    const qsizetype first =
        text.size() > 1 && text[0].isHighSurrogate() && text[1].isLowSurrogate() ? 2 : 1;
    return text.first(first).toUpper() + text.sliced(first);
}

} // namespace

qint64 toCarbon(qint64 flags) {
    qint64 carbon = 0;
    for (const auto& [flag, bit] : modifierPairs)
        if (flags & flag)
            carbon |= bit;
    return carbon;
}

qint64 toFlags(qint64 carbonModifiers) {
    qint64 flags = 0;
    for (const auto& [flag, bit] : modifierPairs)
        if (carbonModifiers & bit)
            flags |= flag;
    return flags;
}

Shortcut::Shortcut(Key key, qint64 modifierFlags)
    : carbonKeyCode(key.rawValue)
    , carbonModifiers(toCarbon(toFlags(toCarbon(modifierFlags)))) {}

bool Shortcut::isFunctionKeyImplied() const {
    for (qint64 code : functionKeyImplied)
        if (code == carbonKeyCode)
            return true;
    return false;
}

Shortcut Shortcut::matchKey() const {
    if (!isFunctionKeyImplied())
        return *this;
    return Shortcut{carbonKeyCode, toCarbon(toFlags(carbonModifiers) & ~ModifierFlags::function)};
}

QString Shortcut::toJson() const {
    return u"{\"carbonKeyCode\":" + QString::number(carbonKeyCode) + u",\"carbonModifiers\":" +
           QString::number(carbonModifiers) + u'}';
}

std::optional<Shortcut> Shortcut::fromJson(const QString& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    const auto keyCode = jsonInteger(object, QStringLiteral("carbonKeyCode"));
    const auto modifiers = jsonInteger(object, QStringLiteral("carbonModifiers"));
    if (!keyCode || !modifiers)
        return std::nullopt;
    return Shortcut{*keyCode, *modifiers};
}

QString Shortcut::description(const KeyboardLayout& layout) const {
    const qint64 flags = modifierFlags();
    QStringList parts;
    if (flags & ModifierFlags::command)
        parts << localizedText("super_key");
    if (flags & ModifierFlags::control)
        parts << qtKeyName("Ctrl");
    if (flags & ModifierFlags::option)
        parts << qtKeyName("Alt");
    if (flags & ModifierFlags::shift)
        parts << qtKeyName("Shift");
    if (flags & ModifierFlags::function)
        parts << localizedText("fn_key");

    if (const auto special = specialKey(carbonKeyCode)) {
        if (isKeypadKey(*special))
            parts << qtKeyName("Num");
        parts << displayName(*special);
    } else {
        const std::optional<QString> character = layout.character(carbonKeyCode);
        parts << (character && isSingleCharacter(*character) ? capitalized(*character)
                                                             : QString(QChar(0xFFFD)));
    }
    return parts.join(u'+');
}
