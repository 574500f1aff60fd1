#include "platform/x11/X11Pasteboard.h"
#include "TestOwner.h"
#include "output/ClipboardService.h"
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

QByteArray allBytes() {
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(char(i));
    return bytes;
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

struct OtherProgramsData {
    const char* target;
    QByteArray bytes;
};

class RestoresOtherProgramsData : public X11PasteboardTest,
                                  public ::testing::WithParamInterface<OtherProgramsData> {};

TEST_P(RestoresOtherProgramsData, CopyThenUndoGivesBackTheExactBytes) {
    const QString target = QString::fromLatin1(GetParam().target);
    const QByteArray& bytes = GetParam().bytes;
    offerWithXclip(target, bytes);
    X11Pasteboard pasteboard(log, patient);
    ClipboardService service(pasteboard);

    const auto before = find(pasteboard.items(), target);
    ASSERT_TRUE(before);
    EXPECT_EQ(before->data, bytes);
    // xclip hands out anything this large in pieces
    EXPECT_EQ(pasteboard.lastRead().incrTransfers, bytes.size() > 1'000'000 ? 1 : 0);

    service.copy(u"Gefunden: Größe ✓"_s);
    EXPECT_EQ(xclip({u"-o"_s}).bytes, u"Gefunden: Größe ✓"_s.toUtf8());
    EXPECT_NE(readTarget(target).bytes, bytes) << "the old contents are gone after the copy";

    service.undo();
    const Output restored = readTarget(target);
    EXPECT_EQ(restored.exitCode, 0);
    EXPECT_TRUE(restored.bytes == bytes) << "restored " << restored.bytes.size() << " of "
                                         << bytes.size() << " bytes, or different ones";
    EXPECT_TRUE(targetsOnClipboard().contains(target));
    EXPECT_TRUE(service.previousItems().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Formats, RestoresOtherProgramsData,
    ::testing::Values(OtherProgramsData{"application/x-inkharbor-test", allBytes()},
                      OtherProgramsData{"UTF8_STRING", QByteArray("caf\xc3\xa9 \xff\xfe bad \xc3")},
                      // larger than one piece: INCR when we hand it out again
                      OtherProgramsData{"image/png", randomBytes(1'100'000)}));

TEST_F(X11PasteboardTest, RestoresSeveralFormatsWithTheirTypesAndFormats) {
    const QByteArray html = "<p>caf\xc3\xa9 <b>bold</b></p>";
    QByteArray numbers(12, '\0');
    const qint32 values[] = {1, -2, 70000};
    std::memcpy(numbers.data(), values, sizeof values);
    TestOwner other({{"text/html", html},
                     {"UTF8_STRING", "caf\xc3\xa9 bold"},
                     {"STRING", "caf\xe9 bold"},
                     {"TEXT", "caf\xe9 bold", "STRING"},
                     {"application/x-numbers", numbers, "INTEGER", 32},
                     {"image/x-big", randomBytes(700'000), {}, 8, TestOwner::Answer::Incremental}});
    ASSERT_TRUE(other.owns());
    X11Pasteboard pasteboard(log, patient);
    ClipboardService service(pasteboard);

    service.copy(u"replacement"_s);
    const QList<PasteboardItem> saved = service.previousItems();
    ASSERT_EQ(saved.size(), 1);
    QStringList types;
    for (const PasteboardRepresentation& r : saved.first())
        types.append(r.type);
    EXPECT_EQ(types, (QStringList{u"text/html"_s, u"UTF8_STRING"_s, u"STRING"_s, u"TEXT"_s,
                                  u"application/x-numbers"_s, u"image/x-big"_s}));
    EXPECT_EQ(saved.first()[3].propertyType, u"STRING"_s);
    EXPECT_EQ(saved.first()[4].format, 32);
    EXPECT_EQ(saved.first()[4].data, numbers);
    EXPECT_EQ(pasteboard.lastRead().incrTransfers, 1);

    service.undo();
    EXPECT_EQ(pasteboard.items(), saved);
    EXPECT_EQ(readTarget(u"text/html"_s).bytes, html);
    EXPECT_EQ(readTarget(u"STRING"_s).bytes, QByteArray("caf\xe9 bold"));
    EXPECT_TRUE(readTarget(u"image/x-big"_s).bytes == saved.first()[5].data);
    const QStringList targets = targetsOnClipboard();
    for (const QString& type : types)
        EXPECT_TRUE(targets.contains(type)) << type.toStdString();
}

TEST_F(X11PasteboardTest, CopiedTextReadsBackInEveryTextTarget) {
    const QString text = u"Grüße ✓ 𝄞\nzweite Zeile"_s;
    X11Pasteboard pasteboard(log, patient);
    ClipboardService service(pasteboard);
    service.copy(text);

    EXPECT_EQ(xclip({u"-o"_s}).bytes, text.toUtf8());
    EXPECT_EQ(readTarget(u"text/plain;charset=utf-8"_s).bytes, text.toUtf8());
    EXPECT_EQ(readTarget(u"STRING"_s).bytes, QByteArray("Gr\xfc\xdf"
                                                        "e ? ?\nzweite Zeile"));
    const QList<PasteboardItem> items = pasteboard.items();
    ASSERT_EQ(items.size(), 1);
    for (const PasteboardRepresentation& r : items.first())
        EXPECT_TRUE(r.type == u"TEXT"_s || r.type == u"STRING"_s || r.type.contains(u"UTF8") ||
                    r.type.startsWith(u"text/plain"))
            << r.type.toStdString();

    // Qt's own clipboard in this process reads it while we own it.
    EXPECT_TRUE(TestAsync::waitUntil([&] { return QGuiApplication::clipboard()->text() == text; }))
        << QGuiApplication::clipboard()->text().toStdString();
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
    const auto saved = find(service.previousItems(), u"UTF8_STRING"_s);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->data, QByteArray("copied in a text field"));

    service.undo();
    EXPECT_TRUE(TestAsync::waitUntil(
        [] { return QGuiApplication::clipboard()->text() == u"copied in a text field"_s; }));
}

TEST_F(X11PasteboardTest, AnEmptyClipboardIsEmptyAgainAfterUndo) {
    X11Pasteboard pasteboard(log, patient);
    ClipboardService service(pasteboard);
    EXPECT_TRUE(pasteboard.items().isEmpty());

    service.copy(u"temporary"_s);
    service.undo();
    EXPECT_TRUE(pasteboard.items().isEmpty());
    EXPECT_NE(xclip({u"-o"_s}).exitCode, 0);
    // Still owned, offering nothing, so a clipboard manager has nothing to bring back.
    EXPECT_EQ(targetsOnClipboard(), (QStringList{u"TARGETS"_s, u"TIMESTAMP"_s, u"MULTIPLE"_s}));
}

TEST_F(X11PasteboardTest, AnotherProgramTakingTheClipboardReplacesOurs) {
    X11Pasteboard pasteboard(log, patient);
    pasteboard.setString(u"ours"_s);
    offerWithXclip(u"UTF8_STRING"_s, "theirs");
    const auto text = find(pasteboard.items(), u"UTF8_STRING"_s);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->data, QByteArray("theirs"));
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

TEST_F(X11PasteboardTest, AnOwnerThatNeverAnswersCostsOnlyTheBudget) {
    TestOwner hung({{"UTF8_STRING", "never"}}, TestOwner::Mode::Hang);
    ASSERT_TRUE(hung.owns());
    X11Pasteboard pasteboard(log);
    EXPECT_TRUE(pasteboard.items().isEmpty());
    EXPECT_TRUE(pasteboard.lastRead().timedOut);
    EXPECT_TRUE(sink.lines(u"clipboard"_s).join(u'\n').contains(u"did not answer in time"_s));
}

TEST_F(X11PasteboardTest, HostileAnswersAreSkippedAndTheRestKept) {
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

    TestOwner malformed({{"UTF8_STRING", "x"}}, TestOwner::Mode::MalformedTargets);
    EXPECT_TRUE(pasteboard.items().isEmpty());
}

} // namespace
