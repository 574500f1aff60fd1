#pragma once

#include <QLoggingCategory>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <type_traits>
#include <vector>

// The program's log: one category per area, messages as printf-like format
// strings with privacy annotations. An argument shows in the log only when it
// is marked public (%{public}s); every other argument is written as <private>
// unless the environment asks for private data (INKHARBOR_LOG_PRIVATE=1).

enum class LogLevel { Default, Error };

struct LogRecord {
    QString subsystem;
    QString category;
    LogLevel level = LogLevel::Default;
    QString message;  // as written to the log: private arguments redacted
    QString revealed; // with every argument shown, for diagnostics and tests
};

class LogSink {
public:
    virtual ~LogSink() = default;
    virtual void write(const LogRecord& record) = 0;
};

struct LogArg {
    QString text;
    bool isBool = false;
    bool boolValue = false;
};

namespace LogArgs {
LogArg make(bool value);
LogArg make(const QString& value);
LogArg make(const char* value);
LogArg make(const QRectF& value);
LogArg make(double value);
template <typename T>
requires std::is_integral_v<T> LogArg make(T value) {
    return LogArg{QString::number(value)};
}
} // namespace LogArgs

// Fills a format string: %d %u %ld %lld %s %@ and %{public}s, %{bool}d and so on.
QString formatLogMessage(const QString& format, const std::vector<LogArg>& args,
                         bool revealPrivate);

class Log {
public:
    Log(LogSink& sink, QString category);

    template <typename... Args>
    void info(const char* format, const Args&... args) const {
        write(LogLevel::Default, format, {LogArgs::make(args)...});
    }
    template <typename... Args>
    void error(const char* format, const Args&... args) const {
        write(LogLevel::Error, format, {LogArgs::make(args)...});
    }

    const QString& category() const { return category_; }

private:
    void write(LogLevel level, const char* format, std::vector<LogArg> args) const;

    LogSink& sink_;
    QString category_;
};

// The system journal when one runs, standard error otherwise.
class SystemLogSink : public LogSink {
public:
    SystemLogSink();
    void write(const LogRecord& record) override;

private:
    struct Category {
        QByteArray name; // QLoggingCategory keeps a pointer to it
        std::unique_ptr<QLoggingCategory> category;
    };
    const QLoggingCategory& qtCategory(const QString& name);

    std::map<QString, std::unique_ptr<Category>> categories_;
    bool toJournal_;
    bool revealPrivate_;
};
