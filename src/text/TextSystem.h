#pragma once

#include "core/EmptySystem.h"

/// The system that will draw screen texts and object labels with the game's font; today it only
/// holds its place in the system table and does nothing each frame.
class TextSystem final : public EmptySystem
{
  public:
    static TextSystem& Instance();

  private:
    TextSystem() = default;
};
