#include "history/HistoryStore.h"

#include "support/RecordingLogSink.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const char* childVariable = "INKHARBOR_TEST_HISTORY_CHILD";

// Runs only inside the child process started below: saves one record and
// is killed the moment save() returns, with no chance to clean up.
TEST(HistoryDurabilityChild, SavesThenIsKilled) {
    const QString path = qEnvironmentVariable(childVariable);
    if (path.isEmpty())
        GTEST_SKIP() << "runs as the child of HistoryDurability";
    RecordingLogSink sink;
    auto* store = new HistoryStore(sink, path);
    store->insert(Capture(u"copied text"_s, {u"en"_s}, QDateTime::currentDateTime()));
    store->save();
    ::kill(::getpid(), SIGKILL);
}

TEST(HistoryDurability, ASavedRecordSurvivesAKilledProcess) {
    QTemporaryDir folder;
    const QString path = folder.path() + u"/history.sqlite";
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromUtf8(childVariable), path);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {u"--gtest_filter=HistoryDurabilityChild.SavesThenIsKilled"_s});
    ASSERT_TRUE(child.waitForFinished(60'000));
    ASSERT_EQ(child.exitStatus(), QProcess::CrashExit);

    RecordingLogSink sink;
    const QList<Capture> captures = HistoryStore(sink, path).fetchAll();
    ASSERT_EQ(captures.size(), 1);
    EXPECT_EQ(captures.at(0).text, u"copied text"_s);
    EXPECT_EQ(captures.at(0).languages, QStringList{u"en"_s});
}

} // namespace
