// Faults the fuzz targets found in the shortcut module.

#include "KeyBindings/KeyCodeTable.h"
#include "KeyBindings/Shortcut.h"
#include "support/KeyBindingsFakes.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(KeyCodeTableEdges, XKeyCodesBelowTheFirstAreNoKeyWhateverTheirSize) {
    // Subtracting the offset from the smallest int used to overflow.
    EXPECT_EQ(KeyCodeTable::carbonKeyCodeForXKeycode(std::numeric_limits<int>::min()),
              std::nullopt);
    EXPECT_EQ(KeyCodeTable::carbonKeyCodeForXKeycode(-1), std::nullopt);
    EXPECT_EQ(KeyCodeTable::carbonKeyCodeForXKeycode(7), std::nullopt);
    EXPECT_EQ(KeyCodeTable::carbonKeyCodeForXKeycode(std::numeric_limits<int>::max()),
              std::nullopt);
    EXPECT_EQ(KeyCodeTable::carbonKeyCodeForXKeycode(9), 53); // Escape, the lowest real key
}

TEST(ShortcutText, CapitalisesALayoutCharacterOutsideTheBasicPlane) {
    FakeKeyboardLayout layout;
    layout.characters[0] = QStringLiteral("\U00010428"); // Deseret small long i
    layout.characters[1] = QStringLiteral("\u00DF");
    EXPECT_EQ(Shortcut(0, CarbonModifiers::command).description(layout),
              QStringLiteral("Super+\U00010400"));
    EXPECT_EQ(Shortcut(1, 0).description(layout), QStringLiteral("SS"));
}

} // namespace
