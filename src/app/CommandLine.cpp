#include "app/CommandLine.h"

#include "BuildInfo.h"

#include <cstdio>

using namespace Qt::StringLiterals;

CommandLine::CommandLine(QString program, QStringList usage, QString description)
    : program_(std::move(program))
    , usage_(std::move(usage))
    , description_(std::move(description))
    , help_({u"h"_s, u"help"_s}, u"Show this help and exit."_s)
    , version_(u"version"_s, u"Show the version and exit."_s) {
    // "-help" is --help, not -h -e -l -p.
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addOption(help_);
    parser_.addOption(version_);
}

std::optional<CommandLine::Exit> CommandLine::parse(const QStringList& arguments) {
    // Qt's parser skips the first argument as the program's name.
    QStringList all = arguments.isEmpty() ? QStringList{program_} : arguments;
    if (!parser_.parse(all)) {
        const QStringList unknown = parser_.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString& name = unknown.first();
            return error(u"unknown option %1%2"_s.arg(name.size() == 1 ? u"-"_s : u"--"_s, name));
        }
        QString message = parser_.errorText();
        if (message.endsWith(u'.'))
            message.chop(1);
        if (!message.isEmpty())
            message[0] = message[0].toLower();
        return error(message);
    }
    if (parser_.isSet(help_))
        return Exit{0, helpText(), {}};
    if (parser_.isSet(version_))
        return Exit{0, u"%1 %2\n"_s.arg(program_, QString::fromUtf8(BuildInfo::version)), {}};
    return std::nullopt;
}

CommandLine::Exit CommandLine::error(const QString& message) const {
    return Exit{badArguments, {}, u"%1: %2 (see --help)\n"_s.arg(program_, message)};
}

QString CommandLine::helpText() const {
    QString text;
    for (qsizetype i = 0; i < usage_.size(); ++i)
        text += (i == 0 ? u"Usage: "_s : u"       "_s) + program_ + u' ' + usage_[i] + u'\n';
    text += u'\n' + description_ + u'\n';
    // Qt lays out the options' column; its own usage line is left out.
    const QString qtHelp = parser_.helpText();
    const qsizetype options = qtHelp.indexOf(u"Options:"_s);
    if (options >= 0)
        text += u'\n' + qtHelp.mid(options);
    return text;
}

QStringList CommandLine::arguments(int argc, const char* const* argv) {
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

int CommandLine::finish(const Exit& exit) {
    std::fputs(exit.output.toLocal8Bit().constData(), stdout);
    std::fputs(exit.error.toLocal8Bit().constData(), stderr);
    std::fflush(stdout);
    return exit.status;
}
