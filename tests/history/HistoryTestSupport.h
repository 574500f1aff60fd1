#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>

#include <sys/stat.h>
#include <unistd.h>

namespace HistoryTest {

struct FileState {
    QByteArray bytes;
    unsigned mode = 0;
    bool operator==(const FileState&) const = default;
};

inline unsigned mode(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return 0;
    return unsigned(info.st_mode & 07777);
}

// Every file in a folder with its bytes and mode, to prove a failed open
// changed nothing.
inline QMap<QString, FileState> snapshot(const QString& folder) {
    QMap<QString, FileState> files;
    for (const QString& name : QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                      QDir::Hidden | QDir::System)) {
        QFile file(folder + u'/' + name);
        files.insert(name, {file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(),
                            mode(file.fileName())});
    }
    return files;
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

// Root ignores file permissions; to see what a user sees, run the block as
// "nobody" owning the folder. Without root the test's own user is that user.
class AsOrdinaryUser {
public:
    explicit AsOrdinaryUser(const QString& folder) {
        if (::geteuid() != 0)
            return;
        active_ = true;
        for (const QString& name :
             QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
            (void)::chown(QFile::encodeName(folder + u'/' + name).constData(), nobody, nobody);
        (void)::chown(QFile::encodeName(folder).constData(), nobody, nobody);
        (void)::setegid(nobody);
        (void)::seteuid(nobody);
    }
    ~AsOrdinaryUser() {
        if (!active_)
            return;
        (void)::seteuid(0);
        (void)::setegid(0);
    }
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

private:
    static constexpr uid_t nobody = 65534;
    bool active_ = false;
};

} // namespace HistoryTest
