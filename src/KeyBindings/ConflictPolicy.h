#pragma once

// What the recorder does when a new shortcut collides with something.
enum class ConflictBehavior { block, warn, allow };

struct ConflictPolicy {
    ConflictBehavior menuItem = ConflictBehavior::block;
    ConflictBehavior systemShortcut = ConflictBehavior::warn;
    ConflictBehavior disallowed = ConflictBehavior::block;
};
