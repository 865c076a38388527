#pragma once

#include "math/Vector4.h"

// Random helpers over the C library's rand(), so a fixed srand() seed replays a run exactly.

/// rand() folded to the 15-bit range 0..32767 that the game's "rand() / 32767" formulas assume.
int Rand15();
/// Rand15() / 32767: uniform in [0, 1].
float RandomUnit();
/// a when a >= b; otherwise a + (rand() mod 10001) * 0.0001 * (b - a).
float RandomRange(float a, float b);
/// a + rand() / 32767 * (b - a).
float RandomRangeFine(float a, float b);
/// a + rand() mod (b - a + 1); a when b < a.
int RandomInt(int a, int b);
/// A unit vector from two angles drawn in [0, 360] degrees (pi taken as 3.14).
Vector4 RandomDirection();
