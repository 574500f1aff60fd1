// The settings file as a user, a crash or another program may leave it.
//
// Input: the bytes of the INI file. Every key is read with the typed getters
// the program uses; reading must leave the file exactly as it was, and one
// setting written afterwards must leave the others as they read before.

#include "FuzzSupport.h"

#include "KeyBindings/KeyBindings.h"
#include "output/SearchEngine.h"
#include "platform/NullHotKeyGrabber.h"
#include "platform/UsKeyboardLayout.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/UserDefaults.h"
#include "settings/AppSettings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

using FuzzSupport::require;

namespace {

// Everything the program reads from the store, as it reads it.
struct Snapshot {
    bool playSound, alwaysShowResultWindow, keepIndentation, fixHyphenation, hasCompletedOnboarding;
    qint64 historyLimit;
    QString searchEngine;
    RecognitionOptions options;
    std::optional<Shortcut> captureText, captureBarcode;

    bool operator==(const Snapshot&) const = default;
};

QString describe(const Snapshot& s) {
    auto shortcut = [](const std::optional<Shortcut>& v) {
        return v ? v->toJson() : QStringLiteral("none");
    };
    return QStringList{QString::number(s.playSound),
                       QString::number(s.alwaysShowResultWindow),
                       QString::number(s.keepIndentation),
                       QString::number(s.fixHyphenation),
                       QString::number(s.historyLimit),
                       s.searchEngine,
                       QString::number(s.options.autoDetectLanguage),
                       s.options.preferredLanguages.join(u','),
                       s.options.customWords.join(u'/'),
                       shortcut(s.captureText),
                       shortcut(s.captureBarcode)}
        .join(u" | ");
}

Snapshot read(UserDefaults& defaults) {
    AppSettings settings(defaults);
    NotificationCenter notifications;
    NullHotKeyGrabber grabber;
    UsKeyboardLayout layout;
    KeyBindings bindings(defaults, notifications, grabber, layout);
    const KeyBindings::Name captureText{QStringLiteral("captureText"), Shortcut{17, 4608}};
    const KeyBindings::Name captureBarcode{QStringLiteral("captureBarcode"), std::nullopt};
    return Snapshot{settings.playSound(),
                    settings.alwaysShowResultWindow(),
                    settings.keepIndentation(),
                    settings.fixHyphenation(),
                    settings.hasCompletedOnboarding(),
                    settings.historyLimit(),
                    settings.searchEngineRawValue(),
                    settings.recognitionOptions(),
                    bindings.readShortcut(captureText),
                    bindings.readShortcut(captureBarcode)};
}

void checkTypedReads(UserDefaults& defaults) {
    AppSettings settings(defaults);
    for (const AppSettings::Definition& d : AppSettings::definitions()) {
        const QVariant stored = defaults.storedObject(d.key);
        require(defaults.object(d.key) ==
                    (defaults.hasStoredValue(d.key) ? stored : d.defaultValue),
                "the store's value, else the registered default", d.key);
        switch (d.type) {
        case QMetaType::Bool: {
            const std::optional<bool> usable = UserDefaultsValue::toBool(stored);
            require(defaults.boolean(d.key) == usable.value_or(d.defaultValue.toBool()),
                    "an unusable boolean reads as its default", d.key);
            break;
        }
        case QMetaType::LongLong: {
            const std::optional<qint64> usable = UserDefaultsValue::toInteger(stored);
            require(defaults.integer(d.key) == usable.value_or(d.defaultValue.toLongLong()),
                    "an unusable integer reads as its default", d.key);
            break;
        }
        default: {
            const std::optional<QString> usable = UserDefaultsValue::toString(stored);
            require(defaults.string(d.key) == usable.value_or(d.defaultValue.toString()),
                    "an unusable string reads as its default", d.key);
            if (stored.typeId() == QMetaType::QString)
                require(defaults.string(d.key) == stored.toString(), "a string reads unchanged",
                        d.key);
            break;
        }
        }
    }

    const RecognitionOptions options = settings.recognitionOptions();
    require(options.autoDetectLanguage == defaults.boolean(SettingsKey::autoDetectLanguage) &&
                options.preferredLanguages == AppSettings::parseLanguageList(defaults.string(
                                                  SettingsKey::preferredLanguages)) &&
                options.customWords ==
                    AppSettings::parseWordList(defaults.string(SettingsKey::customWords)),
            "the recognition options are the three settings decoded");

    const QString raw = settings.searchEngineRawValue();
    const SearchEngine engine = SearchEngines::fromStoredValue(raw);
    bool known = false;
    for (const SearchEngine e : SearchEngines::allCases)
        known = known || SearchEngines::rawValue(e) == raw;
    require(known ? SearchEngines::rawValue(engine) == raw : engine == SearchEngine::google,
            "a known engine by its exact name, anything else is Google", raw);
}

QByteArray contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Writes a file with a modification time no earlier run used. QSettings
// keeps parsed files in a process-wide cache and parses again only when the
// size or the time changed; the file system's clock is too coarse to tell
// runs apart, and a fresh name per run would grow that cache without end.
void writeFile(const QString& path, const QByteArray& bytes) {
    static qint64 run = 0;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size() ||
        !file.setFileTime(QDateTime::fromSecsSinceEpoch(1'000'000'000 + ++run),
                          QFileDevice::FileModificationTime))
        FuzzSupport::fail("the settings file can be written", path);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString folder = FuzzSupport::temporaryDirectory() + u"/settings";
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    const QString path = folder + u"/Inkharbor.conf";
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    writeFile(path, bytes);

    // One store, as the program keeps one: read everything, then change one
    // setting as the settings window does.
    Snapshot before;
    {
        UserDefaults defaults(path);
        AppSettings(defaults).registerDefaults();
        checkTypedReads(defaults);
        before = read(defaults);
        require(contents(path) == bytes, "reading never changes the file");
        require(QDir(folder).entryList(QDir::Files) ==
                    QStringList{QStringLiteral("Inkharbor.conf")},
                "reading makes no other file");

        defaults.setValue(SettingsKey::hasCompletedOnboarding, !before.hasCompletedOnboarding);
        require(defaults.boolean(SettingsKey::hasCompletedOnboarding) !=
                    before.hasCompletedOnboarding,
                "the written setting reads back");
        // Every section has been parsed by now, so a fault anywhere in the
        // file shows; the file must have been kept before it was replaced.
        if (!defaults.isReadable())
            require(contents(path + QStringLiteral(".damaged")) == bytes,
                    "a damaged file is kept before it is replaced");
    }
    {
        // A copy under another name, so the written file itself is parsed again.
        const QString copy = folder + u"/reread.conf";
        writeFile(copy, contents(path));
        UserDefaults defaults(copy);
        AppSettings(defaults).registerDefaults();
        Snapshot after = read(defaults);
        require(after.hasCompletedOnboarding != before.hasCompletedOnboarding,
                "the written setting is in the file");
        after.hasCompletedOnboarding = before.hasCompletedOnboarding;
        require(after == before, "writing one setting leaves the others as they were",
                describe(before) + u"\n    became " + describe(after));
    }
    return 0;
}
