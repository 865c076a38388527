#pragma once

/// Windows virtual-key codes the engine's own code names; the key table holds codes 0..135.
namespace VirtualKey
{
inline constexpr int kBackspace = 0x08;
inline constexpr int kTab = 0x09;
inline constexpr int kEnter = 0x0D;
inline constexpr int kShift = 0x10;
inline constexpr int kControl = 0x11;
inline constexpr int kAlt = 0x12;
inline constexpr int kEscape = 0x1B;
inline constexpr int kSpace = 0x20;
inline constexpr int kLeft = 0x25;
inline constexpr int kUp = 0x26;
inline constexpr int kRight = 0x27;
inline constexpr int kDown = 0x28;
inline constexpr int kF1 = 0x70;
inline constexpr int kF4 = 0x73;
inline constexpr int kF11 = 0x7A;
/// Letters and digits use their upper-case ASCII code ('A' is 0x41, '0' is 0x30).
constexpr int Letter(char c)
{
    return c;
}
} // namespace VirtualKey
