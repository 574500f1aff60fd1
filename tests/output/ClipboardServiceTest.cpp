#include "output/ClipboardService.h"
#include "support/FakePasteboard.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QList<PasteboardItem> richContents{
    {{u"text/html"_s, "<b>caf\xc3\xa9</b>", {}, 8},
     {u"UTF8_STRING"_s, "caf\xc3\xa9", {}, 8},
     {u"TEXT"_s, "caf\xe9", u"STRING"_s, 8}},
    {{u"image/png"_s, QByteArray("\x89PNG\r\n\x1a\n\0\xff", 10), {}, 8},
     {u"application/x-numbers"_s, QByteArray(8, '\x7f'), u"INTEGER"_s, 32}},
    {}, // an item whose types all came back without data
};

PasteboardItem plainText(const QString& text) {
    return {{FakePasteboard::plainTextType(), text.toUtf8(), {}, 8}};
}

// Undo gives back every representation, and reaches back only to the last copy.
TEST(ClipboardService, CopyLeavesOnlyTheTextAndUndoRestoresEveryRepresentation) {
    FakePasteboard pasteboard;
    pasteboard.contents = richContents;
    ClipboardService service(pasteboard);

    service.copy(u"captured"_s);
    EXPECT_EQ(pasteboard.contents, QList<PasteboardItem>{plainText(u"captured"_s)});
    EXPECT_EQ(service.previousItems(), richContents);
    service.undo();
    EXPECT_EQ(pasteboard.contents, richContents);
    EXPECT_TRUE(service.previousItems().isEmpty());

    service.copy(u"first"_s);
    service.copy(u"second"_s);
    service.undo();
    EXPECT_EQ(pasteboard.contents, QList<PasteboardItem>{plainText(u"first"_s)});
    // The saved contents are gone: a second undo empties the clipboard.
    service.undo();
    EXPECT_TRUE(pasteboard.contents.isEmpty());
    service.copy(u"third"_s);
    EXPECT_TRUE(service.previousItems().isEmpty());
}

// Where the clipboard can be read only while our overlay has the keyboard
// (Wayland), it is read then: the copy saves that, even if the clipboard
// reads differently (empty) by the time the text is ready; one copy only.
TEST(ClipboardService, ACopySavesTheSnapshotTakenBeforeIt) {
    FakePasteboard pasteboard;
    pasteboard.contents = richContents;
    ClipboardService service(pasteboard);
    service.snapshot();
    pasteboard.contents.clear();
    service.copy(u"captured"_s);
    EXPECT_EQ(service.previousItems(), richContents);
    service.copy(u"again"_s);
    EXPECT_EQ(service.previousItems(), QList<PasteboardItem>{plainText(u"captured"_s)});
}

} // namespace
