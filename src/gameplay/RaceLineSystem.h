#pragma once

#include "core/EmptySystem.h"

/// Keeps the race nodes that computer racers follow.
class RaceLineSystem final : public EmptySystem
{
public:
    static RaceLineSystem& Instance();

private:
    RaceLineSystem() = default;
};
