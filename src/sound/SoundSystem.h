#pragma once

#include "core/EmptySystem.h"

#include <string>

/// The system that will play sound events from the banks; today it has no banks and no device,
/// so every slot does nothing and nothing is heard.
class SoundSystem final : public EmptySystem
{
  public:
    static SoundSystem& Instance();

    /// Takes the event at `path` ("SFX/PlayerJump") and drops it: there is nothing to play it with yet.
    void Play(const std::string& /*path*/) {}

  private:
    SoundSystem() = default;
};
