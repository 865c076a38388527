#pragma once

#include "core/VirtualKey.h"

/// The Windows virtual-key code of an SDL scancode, 0 for keys without one. Scancodes name the
/// key's position, so WASD stays where it is on every keyboard layout.
int VirtualKeyFromScancode(int scancode);
