// The parts of the X11 clipboard that need no X server.
#include "platform/x11/X11Pasteboard.h"
#include "platform/x11/X11TextTargets.h"
#include "support/RecordingLogSink.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray dataFor(const PasteboardItem& item, const QString& type) {
    for (const PasteboardRepresentation& r : item)
        if (r.type == type)
            return r.data;
    return {};
}

// Latin-1 targets mark each missing character once (𝄞 is two UTF-16 units,
// one '?'); TEXT lets the owner choose, so it is UTF-8 unless Latin-1 holds it all.
TEST(X11TextTargets, EachTargetCarriesTheTextInItsEncoding) {
    const PasteboardItem item = X11TextTargets::forText(u"Grüße ✓ 𝄞\n"_s);
    EXPECT_EQ(dataFor(item, u"UTF8_STRING"_s), u"Grüße ✓ 𝄞\n"_s.toUtf8());
    EXPECT_EQ(dataFor(item, u"text/plain"_s), u"Grüße ✓ 𝄞\n"_s.toUtf8());
    EXPECT_EQ(dataFor(item, u"STRING"_s), QByteArray("Gr\xfc\xdf"
                                                     "e ? ?\n"));
    EXPECT_EQ(dataFor(item, u"TEXT"_s), u"Grüße ✓ 𝄞\n"_s.toUtf8());
    EXPECT_EQ(item.last().propertyType, u"UTF8_STRING"_s);

    const PasteboardItem latin1 = X11TextTargets::forText(u"Straße"_s);
    EXPECT_EQ(dataFor(latin1, u"TEXT"_s), QByteArray("Stra\xdf"
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
