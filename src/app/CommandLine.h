#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

// What the command lines of our programs have in common: -h/--help and
// --version print to standard output and end the program with status 0; an
// unknown option, a missing value or a wrong argument gives one line on
// standard error, "PROGRAM: WHAT (see --help)", and status 2. Options may be
// written with one dash or two.
class CommandLine {
public:
    // How the program ends before it does its work.
    struct Exit {
        int status = 0;
        QString output; // for standard output
        QString error;  // for standard error
    };
    static constexpr int badArguments = 2;

    // usage: the lines after "Usage: " that show how the program is called,
    // the first without the program's name; description: a paragraph after them.
    CommandLine(QString program, QStringList usage, QString description);

    QCommandLineParser& parser() { return parser_; }
    const QString& program() const { return program_; }

    // arguments as argv: the program's name first. An Exit when the program
    // ends here: help, version, or wrong arguments.
    std::optional<Exit> parse(const QStringList& arguments);

    // The one-line complaint about the arguments.
    Exit error(const QString& message) const;
    QString helpText() const;

    // A process's arguments, decoded as the locale says.
    static QStringList arguments(int argc, const char* const* argv);
    // Writes what the exit carries and gives its status.
    static int finish(const Exit& exit);

private:
    QString program_;
    QStringList usage_;
    QString description_;
    QCommandLineParser parser_;
    QCommandLineOption help_;
    QCommandLineOption version_;
};
