#pragma once

#include <QByteArray>
#include <QFile>

// This process's memory as the kernel counts it, in KiB.
namespace ProcessMemory {

// A field of /proc/self/status ("VmRSS", "VmHWM"); 0 when unknown.
inline qint64 statusField(const char* name) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = QByteArray(name) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

inline qint64 residentKiB() {
    return statusField("VmRSS");
}

// The most resident since start or since the last resetPeak().
inline qint64 peakResidentKiB() {
    return statusField("VmHWM");
}

// Starts the peak anew from the current resident size.
inline bool resetPeak() {
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

// AddressSanitizer keeps freed memory aside for a while and adds its own:
// resident sizes say little about the program then.
constexpr bool isSanitized() {
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#else
    return false;
#endif
#else
    return false;
#endif
}

} // namespace ProcessMemory
