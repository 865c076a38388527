#pragma once

#include "core/EmptySystem.h"

/// Counts gates and laps and ranks the racers.
class CheckPointSystem final : public EmptySystem
{
public:
    static CheckPointSystem& Instance();

private:
    CheckPointSystem() = default;
};
