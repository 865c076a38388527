#pragma once

#include "core/EmptySystem.h"

/// Draws screen texts and object labels with the game's font.
class TextSystem final : public EmptySystem
{
public:
    static TextSystem& Instance();

private:
    TextSystem() = default;
};
