#pragma once

#include <QObject>
#include <QSettings>
#include <QVariantMap>

#include <memory>
#include <optional>

// The user's settings store: an INI file under the XDG config folder, plus a
// registration domain of defaults that lives in memory and is never written.
// The typed getters never fail: a missing value, or one of the wrong type
// (a hand-edited file), reads as the registered default, else false, 0 or "".
class UserDefaults : public QObject {
    Q_OBJECT
public:
    explicit UserDefaults(const QString& filePath, QObject* parent = nullptr);
    ~UserDefaults() override;

    // ~/.config/Inkharbor/Inkharbor.conf (or under $XDG_CONFIG_HOME).
    static QString standardFilePath();

    void registerDefaults(const QVariantMap& defaults);

    // What the store holds for the key, else the registered default, else an invalid value.
    QVariant object(const QString& key) const;
    // The value stored in the file alone, ignoring registered defaults.
    QVariant storedObject(const QString& key) const;
    bool hasStoredValue(const QString& key) const;

    bool boolean(const QString& key) const;
    qint64 integer(const QString& key) const;
    QString string(const QString& key) const;

    void setValue(const QString& key, const QVariant& value);
    void remove(const QString& key);

    QString filePath() const;
    // False when the file exists but could not be read or parsed.
    bool isReadable() const;

Q_SIGNALS:
    void changed(const QString& key);
    // The file could not be parsed; before the first write replaced it, it
    // was copied aside so nothing the user wrote by hand is lost.
    void damagedFilePreserved(const QString& copyPath);

private:
    void preserveDamagedFile();

    std::unique_ptr<QSettings> settings_;
    QVariantMap registered_;
    bool preserved_ = false;
};

namespace UserDefaultsValue {
// Reads a stored value as the platform's getters do; nullopt when unusable.
std::optional<bool> toBool(const QVariant& value);
std::optional<qint64> toInteger(const QVariant& value);
std::optional<QString> toString(const QVariant& value);
} // namespace UserDefaultsValue
