#pragma once

/// The game turns degrees into radians with 3.14 rather than pi (a 90 degree turn is 89.95
/// degrees); tuned data and scripts depend on it, so it is kept on purpose.
inline constexpr float kGamePi = 3.14f;
/// One degree as a fraction of a half turn (1/180 as a float).
inline constexpr float kPerDegree = 0.0055555557f;
/// Degrees to radians with the game's pi.
inline constexpr float kDegreesToRadians = kPerDegree * kGamePi;
/// The "near zero" threshold the game uses for dot products, lengths, rates and times.
inline constexpr float kEpsilon = 0.0001f;
