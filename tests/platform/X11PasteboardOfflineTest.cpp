#include "platform/X11Pasteboard.h"
#include "support/RecordingLogSink.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

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
