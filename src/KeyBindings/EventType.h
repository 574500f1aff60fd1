#pragma once

// Which half of a key press a shortcut event is.
enum class EventType { keyDown, keyUp };
