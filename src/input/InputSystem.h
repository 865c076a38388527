#pragma once

#include "core/EmptySystem.h"

#include <array>
#include <cstddef>

/// Keyboard state by Windows virtual-key code: held now, and held at the end of the last frame.
class InputSystem final : public EmptySystem
{
public:
    static constexpr int kKeyCount = 256;

    static InputSystem& Instance();

    /// The current state becomes the previous one (end of every frame, paused or not).
    void PostUpdate() override;

    /// Records a key change from the window; codes outside 0..255 are ignored.
    void SetKey(int key, bool down);
    /// Whether the key is held now.
    bool IsKeyDown(int key) const;
    /// Whether the key went down this frame (held now, not held at the end of the last frame).
    bool IsTriggered(int key) const;

private:
    InputSystem() = default;
    static bool IsValidKey(int key) { return key >= 0 && key < kKeyCount; }

    std::array<bool, kKeyCount> m_keys{};
    std::array<bool, kKeyCount> m_previousKeys{};
};
