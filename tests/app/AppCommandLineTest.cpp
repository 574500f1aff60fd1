#include "app/AppCommandLine.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Action = AppCommandLine::Action;
using Launch = AppCommandLine::Launch;

std::variant<Launch, CommandLine::Exit> parse(QStringList arguments) {
    arguments.prepend(u"inkharbor"_s);
    return AppCommandLine::parse(arguments);
}

// A parse that went the other way throws, and the test fails with it.
Launch launchOf(const QStringList& arguments) {
    return std::get<Launch>(parse(arguments));
}

CommandLine::Exit exitOf(const QStringList& arguments) {
    return std::get<CommandLine::Exit>(parse(arguments));
}

TEST(AppCommandLine, EachActionReachesTheApplicationsBusAction) {
    const std::tuple<QString, Action, QString> cases[] = {
        {u"--capture-text"_s, Action::captureText, u"capture-text"_s},
        {u"--capture-barcode"_s, Action::captureBarcode, u"capture-barcode"_s},
        {u"--history"_s, Action::history, u"show-history"_s},
        {u"-settings"_s, Action::settings, u"settings"_s},
        {u"--quit"_s, Action::quit, u"quit"_s}};
    for (const auto& [option, action, busAction] : cases) {
        EXPECT_EQ(launchOf({option}), (Launch{action, {}, {}})) << qPrintable(option);
        EXPECT_EQ(AppCommandLine::busAction(action), busAction);
    }
    EXPECT_EQ(launchOf({}), Launch{});
    EXPECT_TRUE(AppCommandLine::busAction(Action::none).isEmpty());
    // Qt's own options pass, and the display check hears of them.
    EXPECT_EQ(
        launchOf({u"-platform"_s, u"offscreen"_s, u"-session"_s, u"1a2b"_s, u"--display=:3"_s}),
        (Launch{Action::none, u"offscreen"_s, u":3"_s}));
}

TEST(AppCommandLine, WrongArgumentsGiveOneLineAndStatusTwo) {
    const std::pair<QStringList, QString> cases[] = {
        {{u"--frobnicate"_s}, u"unknown option --frobnicate"_s},
        {{u"-x"_s}, u"unknown option -x"_s},
        {{u"--settings"_s, u"--quit"_s}, u"one action at a time"_s},
        {{u"picture.png"_s}, u"unexpected argument picture.png"_s},
        {{u"--quit=now"_s}, u"unexpected value after '--quit'"_s},
        {{u"--display"_s}, u"missing value after '--display'"_s}};
    for (const auto& [arguments, message] : cases) {
        const CommandLine::Exit exit = exitOf(arguments);
        EXPECT_EQ(exit.status, 2);
        EXPECT_EQ(exit.error, u"inkharbor: "_s + message + u" (see --help)\n"_s);
        EXPECT_TRUE(exit.output.isEmpty());
    }
}

} // namespace
