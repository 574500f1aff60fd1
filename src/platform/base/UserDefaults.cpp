#include "platform/base/UserDefaults.h"

#include "BuildInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The settings hold the user's own words and choices, so the file is the
// user's alone (0600) and so is every folder made for it (0700, as the XDG
// base directories want). QSettings would make both readable by everyone
// (0644, 0755); an existing file keeps its mode through QSettings' writes, so
// the file is made first with the private mode and then left to QSettings.
void makePrivateFile(const QString& path) {
    const QStringList parts = QFileInfo(path).absolutePath().split(u'/');
    QString folder;
    for (const QString& part : parts) {
        if (part.isEmpty() && !folder.isEmpty())
            continue;
        folder += part + u'/';
        ::mkdir(QFile::encodeName(folder).constData(), 0700); // EEXIST for most
    }
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return;
    }
    // A file from before, written readable by others.
    struct stat info {};
    if (errno == EEXIST && ::stat(native.constData(), &info) == 0 && S_ISREG(info.st_mode) &&
        (info.st_mode & 077) != 0)
        ::chmod(native.constData(), info.st_mode & 0700);
}

// A garbled section header ("[]General]") is no format error to QSettings,
// but the keys under it come out with a leading slash, out of the program's
// reach.
bool isReachable(const QString& key) {
    return !key.startsWith(u'/');
}

} // namespace

UserDefaults::UserDefaults(const QString& filePath, QObject* parent)
    : QObject(parent)
    , settings_(std::make_unique<QSettings>(filePath, QSettings::IniFormat)) {
    settings_->setFallbacksEnabled(false);
}

UserDefaults::~UserDefaults() = default;

QString UserDefaults::standardFilePath() {
    const QString app = QString::fromUtf8(BuildInfo::appName);
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + app +
           u'/' + app + QStringLiteral(".conf");
}

void UserDefaults::registerDefaults(const QVariantMap& defaults) {
    for (auto it = defaults.begin(); it != defaults.end(); ++it)
        registered_.insert(it.key(), it.value());
}

QVariant UserDefaults::storedObject(const QString& key) const {
    return settings_->value(key);
}

bool UserDefaults::hasStoredValue(const QString& key) const {
    return settings_->contains(key);
}

QVariant UserDefaults::object(const QString& key) const {
    if (settings_->contains(key))
        return settings_->value(key);
    return registered_.value(key);
}

bool UserDefaults::boolean(const QString& key) const {
    if (auto v = UserDefaultsValue::toBool(settings_->value(key)))
        return *v;
    return UserDefaultsValue::toBool(registered_.value(key)).value_or(false);
}

qint64 UserDefaults::integer(const QString& key) const {
    if (auto v = UserDefaultsValue::toInteger(settings_->value(key)))
        return *v;
    return UserDefaultsValue::toInteger(registered_.value(key)).value_or(0);
}

QString UserDefaults::string(const QString& key) const {
    if (auto v = UserDefaultsValue::toString(settings_->value(key)))
        return *v;
    return UserDefaultsValue::toString(registered_.value(key)).value_or(QString());
}

void UserDefaults::preserveDamagedFile() {
    if (preserved_)
        return;
    // QSettings parses a section of the file only when one of its keys is
    // first needed, and notices a fault in it only then: a damaged section
    // the program never reads would show up only while the write replaces it.
    if (isReadable())
        return;
    preserved_ = true;
    const QString path = settings_->fileName();
    QString copy = path + QStringLiteral(".damaged");
    for (int n = 1; QFileInfo::exists(copy); ++n)
        copy = path + QStringLiteral(".damaged-%1").arg(n);
    if (QFile::copy(path, copy))
        Q_EMIT damagedFilePreserved(copy);
    // What QSettings made of the damaged lines would be written back in a
    // tidied form, and a value the program could not see until now (a key
    // under a garbled section header, say) would suddenly take effect. The
    // rewritten file holds exactly what the program reads; the rest is in the
    // copy.
    QVariantMap readable;
    for (const QString& key : settings_->allKeys())
        if (isReachable(key) && settings_->contains(key))
            readable.insert(key, settings_->value(key));
    settings_->clear();
    for (auto it = readable.begin(); it != readable.end(); ++it)
        settings_->setValue(it.key(), it.value());
}

void UserDefaults::setValue(const QString& key, const QVariant& value) {
    preserveDamagedFile();
    makePrivateFile(settings_->fileName());
    settings_->setValue(key, value);
    settings_->sync();
    Q_EMIT changed(key);
}

void UserDefaults::remove(const QString& key) {
    if (!settings_->contains(key))
        return;
    preserveDamagedFile();
    makePrivateFile(settings_->fileName());
    settings_->remove(key);
    settings_->sync();
    Q_EMIT changed(key);
}

QString UserDefaults::filePath() const {
    return settings_->fileName();
}

bool UserDefaults::isReadable() const {
    const QStringList keys = settings_->allKeys(); // parses every section, see preserveDamagedFile
    return settings_->status() == QSettings::NoError &&
           std::all_of(keys.begin(), keys.end(), isReachable);
}

namespace UserDefaultsValue {

std::optional<bool> toBool(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return value.toLongLong() != 0;
    case QMetaType::QString: {
        const QString s = value.toString().trimmed().toLower();
        if (s == u"true" || s == u"yes" || s == u"1")
            return true;
        if (s == u"false" || s == u"no" || s == u"0")
            return false;
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

std::optional<qint64> toInteger(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
        return value.toLongLong();
    case QMetaType::Bool:
        return value.toBool() ? 1 : 0;
    case QMetaType::QString: {
        bool ok = false;
        const qint64 v = value.toString().trimmed().toLongLong(&ok);
        if (ok)
            return v;
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

std::optional<QString> toString(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::QStringList:
        // An unquoted value with commas in a hand-edited file reads as a list.
        return value.toStringList().join(u',');
    case QMetaType::QVariantList: {
        // The same list, when one of its items starts with "@": QSettings
        // then gives variants, and writes them back so they read as strings.
        QStringList items;
        for (const QVariant& item : value.toList()) {
            if (item.typeId() != QMetaType::QString)
                return std::nullopt;
            items.append(item.toString());
        }
        return items.join(u',');
    }
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Bool:
        return value.toString();
    default:
        return std::nullopt;
    }
}

} // namespace UserDefaultsValue
