#pragma once

#include <cstdint>

/// One number for the state of the game world, so two runs that should be the same can be
/// compared frame by frame: every live object in id order (its id, transform and body motion)
/// and the race (laps, places, finish frames, each racer's power, element and state).
class WorldHash
{
  public:
    /// The hash of the world as it is now.
    static uint64_t Compute();
};
