#include "platform/X11Pasteboard.h"
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

#include <poll.h>

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
    process.start(QStringLiteral("xclip"),
                  QStringList{QStringLiteral("-selection"), QStringLiteral("clipboard")} + args);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(20000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput()};
}

Output readTarget(const QString& target) {
    return xclip({QStringLiteral("-o"), QStringLiteral("-t"), target});
}

QStringList targetsOnClipboard() {
    return QString::fromLatin1(readTarget(QStringLiteral("TARGETS")).bytes)
        .split(u'\n', Qt::SkipEmptyParts);
}

// xclip -i stays behind as the owner; it has taken the clipboard once it lists the target.
void offerWithXclip(const QString& target, const QByteArray& data) {
    ASSERT_EQ(xclip({QStringLiteral("-i"), QStringLiteral("-t"), target}, data).exitCode, 0);
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
    Log log{sink, QStringLiteral("clipboard")};
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

    service.copy(QStringLiteral("Gefunden: Größe ✓"));
    EXPECT_EQ(xclip({QStringLiteral("-o")}).bytes, QStringLiteral("Gefunden: Größe ✓").toUtf8());
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

    service.copy(QStringLiteral("replacement"));
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
    const QString text = QStringLiteral("Grüße ✓ 𝄞\nzweite Zeile");
    X11Pasteboard pasteboard(log, patient);
    ClipboardService service(pasteboard);
    service.copy(text);

    EXPECT_EQ(xclip({QStringLiteral("-o")}).bytes, text.toUtf8());
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
    copyWithQt(QStringLiteral("copied in a text field"));
    X11Pasteboard pasteboard(log, patient);
    ClipboardService service(pasteboard);

    service.copy(QStringLiteral("captured"));
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

    service.copy(QStringLiteral("temporary"));
    service.undo();
    EXPECT_TRUE(pasteboard.items().isEmpty());
    EXPECT_NE(xclip({QStringLiteral("-o")}).exitCode, 0);
    // Still owned, offering nothing, so a clipboard manager has nothing to bring back.
    EXPECT_EQ(targetsOnClipboard(), (QStringList{u"TARGETS"_s, u"TIMESTAMP"_s, u"MULTIPLE"_s}));
}

TEST_F(X11PasteboardTest, AnotherProgramTakingTheClipboardReplacesOurs) {
    X11Pasteboard pasteboard(log, patient);
    pasteboard.setString(QStringLiteral("ours"));
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

// Asks for several targets in one MULTIPLE request, as some toolkits do.
QList<std::optional<QByteArray>> requestMultiple(const QList<QByteArray>& targets) {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    auto intern = [c](const QByteArray& name) {
        auto* r = xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, quint16(name.size()), name.constData()), nullptr);
        const xcb_atom_t atom = r->atom;
        std::free(r);
        return atom;
    };
    auto property = [c](xcb_window_t w, xcb_atom_t p) -> std::optional<QByteArray> {
        auto* r = xcb_get_property_reply(
            c, xcb_get_property(c, 0, w, p, XCB_GET_PROPERTY_TYPE_ANY, 0, 1 << 20), nullptr);
        std::optional<QByteArray> data;
        if (r && r->type != XCB_NONE)
            data = QByteArray(static_cast<const char*>(xcb_get_property_value(r)),
                              xcb_get_property_value_length(r));
        std::free(r);
        return data;
    };
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t window = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, screen->root_visual, 0, nullptr);
    QList<xcb_atom_t> pairs;
    for (qsizetype i = 0; i < targets.size(); ++i)
        pairs << intern(targets[i]) << intern("PAIR_" + QByteArray::number(i));
    const xcb_atom_t list = intern("PAIRS");
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, list, intern("ATOM_PAIR"), 32,
                        quint32(pairs.size()), pairs.constData());
    xcb_convert_selection(c, window, intern("CLIPBOARD"), intern("MULTIPLE"), list,
                          XCB_CURRENT_TIME);
    xcb_flush(c);
    QList<std::optional<QByteArray>> result;
    xcb_generic_event_t* event = nullptr;
    while (!event || (event->response_type & 0x7f) != XCB_SELECTION_NOTIFY) {
        std::free(event);
        pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
        if (poll(&fd, 1, 10000) <= 0)
            break;
        event = xcb_poll_for_event(c);
    }
    if (event && reinterpret_cast<xcb_selection_notify_event_t*>(event)->property == list) {
        const QByteArray answered = property(window, list).value_or(QByteArray());
        for (qsizetype i = 0; i < targets.size(); ++i) {
            xcb_atom_t p = XCB_NONE;
            if ((i * 2 + 2) * 4 <= answered.size())
                std::memcpy(&p, answered.constData() + (i * 2 + 1) * 4, 4);
            result.append(p == XCB_NONE ? std::nullopt : property(window, p));
        }
    }
    std::free(event);
    xcb_disconnect(c);
    return result;
}

TEST_F(X11PasteboardTest, AnswersMultipleWithOnePropertyPerTarget) {
    X11Pasteboard pasteboard(log, patient);
    pasteboard.writeItems({{{u"text/html"_s, "<i>x</i>", {}, 8}, {u"UTF8_STRING"_s, "x", {}, 8}}});
    const auto answers = requestMultiple({"UTF8_STRING", "image/png", "text/html"});
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
