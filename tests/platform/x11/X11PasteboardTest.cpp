#include "platform/x11/X11Pasteboard.h"
#include "TestOwner.h"
#include "output/ClipboardService.h"
#include "platform/x11/X11TextTargets.h"
#include "support/Async.h"
#include "support/RecordingLogSink.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstring>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

struct Output {
    int exitCode = -1;
    QByteArray bytes;
};

// Runs xclip on the clipboard. Blocking the main thread is fine: our side of
// the clipboard answers from its own thread.
Output xclip(const QStringList& args, const QByteArray& input = {}) {
    QProcess process;
    process.start(u"xclip"_s, QStringList{u"-selection"_s, u"clipboard"_s} + args);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(20000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput()};
}

Output readTarget(const QString& target) {
    return xclip({u"-o"_s, u"-t"_s, target});
}

QStringList targetsOnClipboard() {
    return QString::fromLatin1(readTarget(u"TARGETS"_s).bytes).split(u'\n', Qt::SkipEmptyParts);
}

// xclip -i stays behind as the owner; it has taken the clipboard once it lists the target.
void offerWithXclip(const QString& target, const QByteArray& data) {
    ASSERT_EQ(xclip({u"-i"_s, u"-t"_s, target}, data).exitCode, 0);
    ASSERT_TRUE(TestAsync::waitUntil([&] { return targetsOnClipboard().contains(target); }));
}

QByteArray randomBytes(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(42);
    for (char& b : bytes)
        b = char(generator.bounded(256));
    return bytes;
}

std::optional<PasteboardRepresentation> find(const QList<PasteboardItem>& items,
                                             const QString& type) {
    for (const PasteboardItem& item : items)
        for (const PasteboardRepresentation& r : item)
            if (r.type == type)
                return r;
    return std::nullopt;
}

class X11PasteboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("DISPLAY")) << "runs under Xvfb";
        TestOwner::clearSelection();
    }
    RecordingLogSink sink;
    Log log{sink, u"clipboard"_s};
    // A loaded machine must not turn a slow answer into a missing format;
    // only the tests of the limits use tight ones.
    X11ReadLimits patient{.totalMs = 30000, .silenceMs = 10000};
};

// Undo gives back another program's exact bytes in every format: its types,
// 32-bit items, text that is not valid UTF-8, binary bytes, and what comes and
// goes back in pieces (INCR both ways).
TEST_F(X11PasteboardTest, CopyThenUndoGivesBackEveryFormatExactly) {
    QByteArray numbers(12, '\0');
    const qint32 values[] = {1, -2, 70000};
    std::memcpy(numbers.data(), values, sizeof values);
    const QList<TestOwner::Target> formats{
        {"text/html", "<p>caf\xc3\xa9 <b>bold</b></p>"},
        {"UTF8_STRING", "caf\xc3\xa9 \xff\xfe bad \xc3"},
        {"TEXT", "caf\xe9 bold", "STRING"},
        {"application/x-numbers", numbers, "INTEGER", 32},
        {"application/x-inkharbor-test", randomBytes(4096)},
        {"image/x-big", randomBytes(700'000), {}, 8, TestOwner::Answer::Incremental}};
    TestOwner other(formats);
    ASSERT_TRUE(other.owns());
    X11Pasteboard pasteboard(log, patient);
    ClipboardService service(pasteboard);

    // The text targets' contents are X11TextTargets' (tested without a server).
    service.copy(u"Grüße ✓ 𝄞\nzweite Zeile"_s);
    EXPECT_EQ(xclip({u"-o"_s}).bytes, u"Grüße ✓ 𝄞\nzweite Zeile"_s.toUtf8());
    EXPECT_EQ(pasteboard.lastRead().incrTransfers, 1);
    const QList<PasteboardItem> saved = service.previousItems();
    ASSERT_EQ(saved.size(), 1);
    ASSERT_EQ(saved.first().size(), formats.size());
    EXPECT_EQ(saved.first()[2].propertyType, u"STRING"_s);
    EXPECT_EQ(saved.first()[3].format, 32);
    EXPECT_EQ(saved.first()[3].data, numbers); // xclip cannot give 32-bit items back as sent

    service.undo();
    EXPECT_TRUE(service.previousItems().isEmpty());
    EXPECT_EQ(pasteboard.items(), saved);
    const QStringList targets = targetsOnClipboard();
    for (const TestOwner::Target& t : formats) {
        EXPECT_TRUE(targets.contains(QString::fromLatin1(t.name))) << t.name.toStdString();
        if (t.format == 8) {
            EXPECT_TRUE(readTarget(QString::fromLatin1(t.name)).bytes == t.data)
                << t.name.toStdString();
        }
    }
}

// Qt takes the clipboard with the time of the last event it saw, which must
// be later than the last change of owner. A property change on one of its
// windows stands in for the key press of a real copy.
void copyWithQt(const QString& text) {
    QWindow window;
    window.create();
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, xcb_window_t(window.winId()),
                        XCB_ATOM_WM_ICON_NAME, XCB_ATOM_STRING, 8, 1, "x");
    xcb_disconnect(c);
    ASSERT_TRUE(TestAsync::waitUntil([&] {
        QGuiApplication::clipboard()->setText(text);
        return QGuiApplication::clipboard()->ownsClipboard();
    }));
}

TEST_F(X11PasteboardTest, ReadsAndRestoresWhatQtInThisProcessOwns) {
    copyWithQt(u"copied in a text field"_s);
    X11Pasteboard pasteboard(log, patient);
    ClipboardService service(pasteboard);

    service.copy(u"captured"_s);
    EXPECT_FALSE(pasteboard.lastRead().timedOut);
    // Qt reads ours while we own the clipboard.
    EXPECT_TRUE(
        TestAsync::waitUntil([] { return QGuiApplication::clipboard()->text() == u"captured"_s; }));
    const auto saved = find(service.previousItems(), u"UTF8_STRING"_s);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->data, QByteArray("copied in a text field"));

    service.undo();
    EXPECT_TRUE(TestAsync::waitUntil(
        [] { return QGuiApplication::clipboard()->text() == u"copied in a text field"_s; }));
}

TEST_F(X11PasteboardTest, AnEmptyClipboardIsEmptyAgainAfterUndoAndOthersMayTakeIt) {
    X11Pasteboard pasteboard(log, patient);
    ClipboardService service(pasteboard);
    EXPECT_TRUE(pasteboard.items().isEmpty());
    service.copy(u"temporary"_s);
    service.undo();
    EXPECT_TRUE(pasteboard.items().isEmpty());
    // Still owned, offering nothing, so a clipboard manager has nothing to bring back.
    EXPECT_EQ(targetsOnClipboard(), (QStringList{u"TARGETS"_s, u"TIMESTAMP"_s, u"MULTIPLE"_s}));

    offerWithXclip(u"UTF8_STRING"_s, "theirs");
    EXPECT_EQ(find(pasteboard.items(), u"UTF8_STRING"_s)->data, QByteArray("theirs"));
}

TEST_F(X11PasteboardTest, AClipboardManagerKeepsOurTextWhenWeGo) {
    TestOwner manager({}, TestOwner::Mode::ClipboardManager);
    ASSERT_TRUE(manager.owns());
    {
        X11Pasteboard pasteboard(log, patient);
        pasteboard.setString(u"outlives us"_s);
    }
    EXPECT_EQ(manager.saved(), QByteArray("outlives us"));
}

TEST_F(X11PasteboardTest, AnswersMultipleWithOnePropertyPerTarget) {
    X11Pasteboard pasteboard(log, patient);
    pasteboard.writeItems({{{u"text/html"_s, "<i>x</i>", {}, 8}, {u"UTF8_STRING"_s, "x", {}, 8}}});
    const auto answers = TestOwner::requestMultiple({"UTF8_STRING", "image/png", "text/html"});
    ASSERT_EQ(answers.size(), 3);
    EXPECT_EQ(answers[0], QByteArray("x"));
    EXPECT_FALSE(answers[1]) << "a target we do not offer is marked None";
    EXPECT_EQ(answers[2], QByteArray("<i>x</i>"));
}

TEST_F(X11PasteboardTest, HostileOrHungOwnersCostOnlyTheBudget) {
    X11ReadLimits limits = patient;
    limits.silenceMs = 1500; // what the silent target costs
    limits.maxTargetBytes = 1 << 20;
    TestOwner hostile(
        {{"endless", QByteArray(64 * 1024, 'e'), {}, 8, TestOwner::Answer::EndlessIncr},
         {"huge", QByteArray(2 << 20, 'x')},
         {"silent", "-", {}, 8, TestOwner::Answer::Ignore},
         {"refused", "-", {}, 8, TestOwner::Answer::Refuse},
         {"good", "kept"}},
        TestOwner::Mode::Serve, {0x0fedcba9, XCB_NONE});
    X11Pasteboard pasteboard(log, limits);
    const QList<PasteboardItem> items = pasteboard.items();
    ASSERT_EQ(items.size(), 1);
    ASSERT_EQ(items.first().size(), 1);
    EXPECT_EQ(items.first().first(), (PasteboardRepresentation{u"good"_s, "kept", {}, 8}));
    EXPECT_EQ(pasteboard.lastRead().failedTargets,
              (QByteArrayList{"endless", "huge", "silent", "refused"}));

    TestOwner malformed({{"TARGETS", "junk!", "ATOM"}}); // 8-bit garbage
    EXPECT_TRUE(pasteboard.items().isEmpty());

    TestOwner hung({{"TARGETS", {}, {}, 8, TestOwner::Answer::Ignore}});
    X11Pasteboard defaultLimits(log);
    EXPECT_TRUE(defaultLimits.items().isEmpty());
    EXPECT_TRUE(defaultLimits.lastRead().timedOut);
    EXPECT_TRUE(sink.lines(u"clipboard"_s).join(u'\n').contains(u"did not answer in time"_s));
}

// Without an X server.

// Latin-1 targets mark each missing character once (𝄞 is two UTF-16 units,
// one '?'); TEXT lets the owner choose, so it is UTF-8 unless Latin-1 holds it all.
TEST(X11TextTargets, EachTargetCarriesTheTextInItsEncoding) {
    const PasteboardItem item = X11TextTargets::forText(u"Grüße ✓ 𝄞\n"_s);
    EXPECT_EQ(find({item}, u"UTF8_STRING"_s)->data, u"Grüße ✓ 𝄞\n"_s.toUtf8());
    EXPECT_EQ(find({item}, u"text/plain"_s)->data, u"Grüße ✓ 𝄞\n"_s.toUtf8());
    EXPECT_EQ(find({item}, u"STRING"_s)->data, QByteArray("Gr\xfc\xdf"
                                                          "e ? ?\n"));
    EXPECT_EQ(find({item}, u"TEXT"_s)->data, u"Grüße ✓ 𝄞\n"_s.toUtf8());
    EXPECT_EQ(item.last().propertyType, u"UTF8_STRING"_s);

    const PasteboardItem latin1 = X11TextTargets::forText(u"Straße"_s);
    EXPECT_EQ(find({latin1}, u"TEXT"_s)->data, QByteArray("Stra\xdf"
                                                          "e"));
    EXPECT_EQ(latin1.last().propertyType, u"STRING"_s);
}

TEST(X11PasteboardOffline, WithoutAnXServerTheClipboardIsEmptyAndWritesDoNothing) {
    const QByteArray display = qgetenv("DISPLAY");
    qunsetenv("DISPLAY");
    RecordingLogSink sink;
    {
        X11Pasteboard pasteboard(Log(sink, u"clipboard"_s));
        EXPECT_FALSE(pasteboard.isConnected());
        pasteboard.setString(u"nowhere to go"_s);
        pasteboard.writeItems({{{u"text/html"_s, "<p>", {}, 8}}});
        pasteboard.clearContents();
        EXPECT_TRUE(pasteboard.items().isEmpty());
    }
    if (!display.isEmpty())
        qputenv("DISPLAY", display);
    EXPECT_TRUE(sink.lines(u"clipboard"_s).join(u'\n').contains(u"No X display"_s));
}

} // namespace
