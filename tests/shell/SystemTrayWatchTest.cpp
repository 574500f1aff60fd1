#include "shell/SystemTrayWatch.h"

#include "support/Async.h"

#include <gtest/gtest.h>

namespace {

TEST(SystemTrayWatch, SaysWhenATrayComesOrGoes) {
    bool tray = false;
    SystemTrayWatch watch([&] { return tray; }, std::chrono::milliseconds(10));
    EXPECT_FALSE(watch.isAvailable());
    QList<bool> changes;
    QObject::connect(&watch, &SystemTrayWatch::availabilityChanged,
                     [&](bool available) { changes.append(available); });
    tray = true; // a panel started
    ASSERT_TRUE(TestAsync::waitUntil([&] { return !changes.isEmpty(); }));
    EXPECT_TRUE(watch.isAvailable());
    tray = false;
    watch.check();
    watch.check(); // no change, no signal
    EXPECT_EQ(changes, (QList<bool>{true, false}));
}

} // namespace
