#pragma once

#include <cstdint>

/// XInput's button bit masks, the layout every pad is presented in whatever the device.
namespace PadButton
{
inline constexpr uint16_t kDpadUp = 0x0001;
inline constexpr uint16_t kDpadDown = 0x0002;
inline constexpr uint16_t kDpadLeft = 0x0004;
inline constexpr uint16_t kDpadRight = 0x0008;
inline constexpr uint16_t kStart = 0x0010;
inline constexpr uint16_t kBack = 0x0020;
inline constexpr uint16_t kLeftThumb = 0x0040;
inline constexpr uint16_t kRightThumb = 0x0080;
inline constexpr uint16_t kLeftShoulder = 0x0100;
inline constexpr uint16_t kRightShoulder = 0x0200;
inline constexpr uint16_t kA = 0x1000;
inline constexpr uint16_t kB = 0x2000;
inline constexpr uint16_t kX = 0x4000;
inline constexpr uint16_t kY = 0x8000;
} // namespace PadButton

/// One reading of a pad in XInput's layout: triggers 0..255, thumbs -32768..32767 with y up.
struct PadState
{
    uint32_t packetNumber = 0;
    uint16_t buttons = 0;
    uint8_t leftTrigger = 0;
    uint8_t rightTrigger = 0;
    int16_t thumbLX = 0;
    int16_t thumbLY = 0;
    int16_t thumbRX = 0;
    int16_t thumbRY = 0;

    /// Releases every button, trigger and thumb; the packet number stays.
    void ClearInputs()
    {
        buttons = 0;
        leftTrigger = rightTrigger = 0;
        thumbLX = thumbLY = thumbRX = thumbRY = 0;
    }
    /// Whether the inputs (not the packet number) are the same.
    bool SameInputs(const PadState& o) const
    {
        return buttons == o.buttons && leftTrigger == o.leftTrigger && rightTrigger == o.rightTrigger &&
               thumbLX == o.thumbLX && thumbLY == o.thumbLY && thumbRX == o.thumbRX && thumbRY == o.thumbRY;
    }
};
