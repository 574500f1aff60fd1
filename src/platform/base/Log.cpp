#include "platform/base/Log.h"

#include "BuildInfo.h"

#include <QLoggingCategory>
#include <QStringBuilder>

#include <cstdio>
#include <map>
#include <memory>
#include <unistd.h>

#define SD_JOURNAL_SUPPRESS_LOCATION
#include <systemd/sd-journal.h>

namespace LogArgs {
LogArg make(bool value) {
    return LogArg{value ? QStringLiteral("1") : QStringLiteral("0"), true, value};
}
LogArg make(const QString& value) {
    return LogArg{value};
}
LogArg make(const char* value) {
    return LogArg{QString::fromUtf8(value)};
}
LogArg make(double value) {
    return LogArg{QString::number(value, 'g', 15)};
}
LogArg make(const QRectF& r) {
    // Written the way the platform prints a rectangle: origin, then size.
    auto n = [](double v) { return QString::number(v, 'f', 1); };
    return LogArg{u'(' % n(r.x()) % u", " % n(r.y()) % u", " % n(r.width()) % u", " %
                  n(r.height()) % u')'};
}
} // namespace LogArgs

QString formatLogMessage(const QString& format, const std::vector<LogArg>& args,
                         bool revealPrivate) {
    QString out;
    out.reserve(format.size() + 16 * qsizetype(args.size()));
    size_t next = 0;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c != u'%') {
            out += c;
            continue;
        }
        if (i + 1 < format.size() && format.at(i + 1) == u'%') {
            out += u'%';
            ++i;
            continue;
        }
        qsizetype j = i + 1;
        QStringList annotations;
        if (j < format.size() && format.at(j) == u'{') {
            const qsizetype close = format.indexOf(u'}', j);
            if (close < 0)
                break; // a broken directive ends the message rather than guessing
            annotations = format.mid(j + 1, close - j - 1).split(u',', Qt::SkipEmptyParts);
            for (QString& a : annotations)
                a = a.trimmed();
            j = close + 1;
        }
        while (j < format.size() && QStringLiteral("lhqzjt").contains(format.at(j)))
            ++j;
        if (j >= format.size())
            break;
        i = j; // the conversion character itself
        if (next >= args.size()) {
            out += QStringLiteral("<missing>");
            continue;
        }
        const LogArg& arg = args[next++];
        const bool isPublic = annotations.contains(QStringLiteral("public"));
        if (!isPublic && !revealPrivate) {
            out += QStringLiteral("<private>");
        } else if (annotations.contains(QStringLiteral("bool"))) {
            const bool v = arg.isBool ? arg.boolValue : (arg.text != QStringLiteral("0"));
            out += v ? QStringLiteral("true") : QStringLiteral("false");
        } else {
            out += arg.text;
        }
    }
    return out;
}

Log::Log(LogSink& sink, QString category)
    : sink_(sink)
    , category_(std::move(category)) {}

void Log::write(LogLevel level, const char* format, std::vector<LogArg> args) const {
    const QString fmt = QString::fromUtf8(format);
    LogRecord record;
    record.subsystem = QString::fromUtf8(BuildInfo::appId);
    record.category = category_;
    record.level = level;
    record.message = formatLogMessage(fmt, args, false);
    record.revealed = formatLogMessage(fmt, args, true);
    sink_.write(record);
}

SystemLogSink::SystemLogSink()
    : toJournal_(::access("/run/systemd/journal/socket", W_OK) == 0 &&
                 qEnvironmentVariableIsEmpty("INKHARBOR_LOG_STDERR"))
    , revealPrivate_(qEnvironmentVariableIntValue("INKHARBOR_LOG_PRIVATE") == 1) {}

// Qt's logging rules (QT_LOGGING_RULES) switch our categories on and off.
const QLoggingCategory& SystemLogSink::qtCategory(const QString& name) {
    auto& slot = categories_[name];
    if (!slot) {
        slot = std::make_unique<Category>();
        slot->name = (QString::fromUtf8(BuildInfo::appId) % u'.' % name).toUtf8();
        slot->category = std::make_unique<QLoggingCategory>(slot->name.constData(), QtInfoMsg);
    }
    return *slot->category;
}

void SystemLogSink::write(const LogRecord& record) {
    const QLoggingCategory& category = qtCategory(record.category);
    const bool enabled =
        record.level == LogLevel::Error ? category.isCriticalEnabled() : category.isInfoEnabled();
    if (!enabled)
        return;
    const QByteArray text = (revealPrivate_ ? record.revealed : record.message).toUtf8();
    if (toJournal_) {
        const int priority = record.level == LogLevel::Error ? 3 : 5;
        sd_journal_send("MESSAGE=%s", text.constData(), "PRIORITY=%d", priority,
                        "SYSLOG_IDENTIFIER=inkharbor", "INKHARBOR_SUBSYSTEM=%s",
                        record.subsystem.toUtf8().constData(), "INKHARBOR_CATEGORY=%s",
                        record.category.toUtf8().constData(), nullptr);
        return;
    }
    std::fprintf(stderr, "inkharbor[%s]%s %s\n", record.category.toUtf8().constData(),
                 record.level == LogLevel::Error ? " error:" : "", text.constData());
    std::fflush(stderr);
}
