#include "platform/output/ApertiumTranslator.h"

#include "platform/Error.h"
#include "platform/output/ApertiumModes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <qcoro/qcoroprocess.h>

namespace {

QString tr(const char* message) {
    return QCoreApplication::translate("ApertiumTranslator", message);
}

} // namespace

ApertiumTranslator::ApertiumTranslator(QStringList modeDirectories, QString program,
                                       std::chrono::milliseconds timeout)
    : modeDirectories_(std::move(modeDirectories))
    , program_(std::move(program))
    , timeout_(timeout) {}

QStringList ApertiumTranslator::modeNames() const {
    QStringList names;
    for (const QString& directory : modeDirectories_) {
        for (const QString& file :
             QDir(directory).entryList({QStringLiteral("*.mode")}, QDir::Files))
            names.append(file.chopped(5));
    }
    return names;
}

QCoro::Task<std::vector<TranslationPair>> ApertiumTranslator::installedPairs() {
    std::vector<TranslationPair> pairs;
    for (const ApertiumModes::Mode& mode : ApertiumModes::choose(modeNames()))
        pairs.push_back(mode.pair);
    co_return pairs;
}

QCoro::Task<QString> ApertiumTranslator::translate(QString text, TranslationPair pair) {
    QString modeName;
    for (const ApertiumModes::Mode& mode : ApertiumModes::choose(modeNames())) {
        if (mode.pair == pair)
            modeName = mode.name;
    }
    if (modeName.isEmpty())
        throw Error(tr("No translation between these languages is installed."));

    // Looked up first: QCoro's start() leaves a waiting coroutine behind when
    // the program cannot be started at all.
    const QString executable =
        QDir::isAbsolutePath(program_) ? program_ : QStandardPaths::findExecutable(program_);
    if (executable.isEmpty() || !QFileInfo(executable).isExecutable())
        throw Error(tr("The translator (Apertium) is not installed."));

    QProcess process;
    // -u: unknown words come out as they went in, without Apertium's "*" mark.
    const QStringList arguments{QStringLiteral("-u"), modeName};
    process.start(executable, arguments);
    process.write(text.toUtf8());
    process.closeWriteChannel();
    const bool finished = co_await qCoro(process).waitForFinished(timeout_);
    if (process.error() == QProcess::FailedToStart)
        throw Error(tr("The translator could not be started."));
    if (!finished) {
        process.kill();
        process.waitForFinished(1000);
        throw Error(tr("The translation took too long."));
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        const QString detail = QString::fromUtf8(process.readAllStandardError()).trimmed();
        throw Error(detail.isEmpty() ? tr("The translation failed.")
                                     : tr("The translation failed: %1").arg(detail));
    }
    QString translation = QString::fromUtf8(process.readAllStandardOutput());
    // Apertium ends its output with a line break the text may not have had.
    if (translation.endsWith(u'\n') && !text.endsWith(u'\n'))
        translation.chop(1);
    co_return translation;
}
