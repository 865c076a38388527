#pragma once

#include "core/EmptySystem.h"

/// Plays sound events from the banks; silent when no audio device opens.
class SoundSystem final : public EmptySystem
{
public:
    static SoundSystem& Instance();

private:
    SoundSystem() = default;
};
