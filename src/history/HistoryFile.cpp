#include "history/HistoryFile.h"

#include "history/HistoryError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::array<const char*, 3> sideFileSuffixes{"-wal", "-shm", "-journal"};

[[noreturn]] void fail(const QString& path, const QString& reason) {
    throw HistoryError(path + u": " + reason);
}

[[noreturn]] void failWithErrno(const QString& path, int error) {
    fail(path, QString::fromLocal8Bit(std::strerror(error)));
}

// "cannot write to the file (Permission denied)"
[[noreturn]] void failWithErrno(const QString& path, const char* what, int error) {
    fail(path, QLatin1String(what) + u" (" + QString::fromLocal8Bit(std::strerror(error)) + u')');
}

// Closes the descriptor on every path out of a check.
class Descriptor {
public:
    explicit Descriptor(int fd)
        : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

void makeFolders(const QString& folder) {
    const QStringList parts = QDir::cleanPath(folder).split(u'/');
    QString current;
    for (const QString& part : parts) {
        if (part.isEmpty() && !current.isEmpty())
            continue;
        current += part + u'/';
        if (::mkdir(QFile::encodeName(current).constData(), 0700) != 0 && errno != EEXIST)
            failWithErrno(folder, "cannot create the folder", errno);
    }
}

// The header SQLite writes at the start of every database file: the magic
// string, a page size that is a power of two from 512 to 65536 (1 meaning
// 65536), and write/read format versions 1 (rollback journal) or 2 (WAL).
bool hasDatabaseHeader(const unsigned char* header, ssize_t length) {
    static const char magic[] = "SQLite format 3";
    if (length < 100 || std::memcmp(header, magic, sizeof magic) != 0)
        return false;
    const unsigned pageSize = (unsigned(header[16]) << 8) | header[17];
    const bool pageSizeValid =
        pageSize == 1 || (pageSize >= 512 && pageSize <= 32768 && (pageSize & (pageSize - 1)) == 0);
    const auto versionValid = [](unsigned char v) { return v == 1 || v == 2; };
    return pageSizeValid && versionValid(header[18]) && versionValid(header[19]);
}

} // namespace

namespace HistoryFile {

bool prepare(const QString& path) {
    makeFolders(QFileInfo(path).path());
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    if (errno != EEXIST)
        failWithErrno(path, "cannot create the file", errno);
    checkExisting(path);
    return false;
}

void checkExisting(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::stat(native.constData(), &info) != 0)
        failWithErrno(path, errno);
    if (S_ISDIR(info.st_mode))
        failWithErrno(path, EISDIR);
    if (!S_ISREG(info.st_mode))
        fail(path, QStringLiteral("not a regular file"));

    {
        const Descriptor reader(::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
        if (reader.get() < 0)
            failWithErrno(path, "cannot read the file", errno);
        if (info.st_size > 0) {
            std::array<unsigned char, 100> header{};
            const ssize_t length = ::pread(reader.get(), header.data(), header.size(), 0);
            if (length < 0)
                failWithErrno(path, "cannot read the file", errno);
            if (!hasDatabaseHeader(header.data(), length))
                fail(path, QStringLiteral("file is not a database"));
        }
    }
    // Opening for writing without O_TRUNC or O_CREAT changes nothing in the file.
    const Descriptor writer(::open(native.constData(), O_RDWR | O_CLOEXEC | O_NOCTTY));
    if (writer.get() < 0)
        failWithErrno(path, "cannot write to the file", errno);
    // SQLite creates its log and index next to the file.
    const QByteArray folder = QFile::encodeName(QFileInfo(path).path());
    if (::faccessat(AT_FDCWD, folder.constData(), W_OK | X_OK, AT_EACCESS) != 0)
        failWithErrno(path, "cannot create files in its folder", errno);
}

bool hasWriteAheadLog(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path + u"-wal").constData(), &info) == 0 && info.st_size > 0;
}

void restrictPermissions(const QString& path) {
    ::chmod(QFile::encodeName(path).constData(), 0600);
    for (const char* suffix : sideFileSuffixes)
        ::chmod(QFile::encodeName(path + QLatin1String(suffix)).constData(), 0600);
}

QStringList sideFiles(const QString& path) {
    QStringList existing;
    for (const char* suffix : sideFileSuffixes) {
        const QString file = path + QLatin1String(suffix);
        struct stat info {};
        if (::lstat(QFile::encodeName(file).constData(), &info) == 0)
            existing.append(file);
    }
    return existing;
}

void removeSideFiles(const QString& path, const QStringList& keep) {
    for (const char* suffix : sideFileSuffixes) {
        const QString file = path + QLatin1String(suffix);
        if (!keep.contains(file))
            ::unlink(QFile::encodeName(file).constData());
    }
}

void removeCreated(const QString& path) {
    removeSideFiles(path);
    ::unlink(QFile::encodeName(path).constData());
}

} // namespace HistoryFile
