#pragma once

/// Where the controls sit on the two how-to-play pictures, shared by the texture tool that paints
/// the key caps and buttons and by the screen that writes their names over them. Positions are
/// fractions of the picture from its top-left corner.
namespace HowToPlayLayout
{
/// One key cap or button: its box (centre u, v and size w, h) and the name written on it.
struct Control
{
    float u, v, w, h;
    const char* label;
    bool round;
};

/// One line of the legend on the right: control, then what it does.
struct LegendLine
{
    const char* control;
    const char* action;
};

inline constexpr Control kKeys[] = {
    {0.08f, 0.16f, 0.07f, 0.12f, "Esc", false},   {0.09f, 0.36f, 0.07f, 0.12f, "Q", false},
    {0.17f, 0.36f, 0.07f, 0.12f, "W", false},     {0.25f, 0.36f, 0.07f, 0.12f, "E", false},
    {0.11f, 0.50f, 0.07f, 0.12f, "A", false},     {0.19f, 0.50f, 0.07f, 0.12f, "S", false},
    {0.27f, 0.50f, 0.07f, 0.12f, "D", false},     {0.23f, 0.64f, 0.07f, 0.12f, "X", false},
    {0.31f, 0.64f, 0.07f, 0.12f, "C", false},     {0.30f, 0.80f, 0.26f, 0.12f, "Space", false},
    {0.43f, 0.50f, 0.09f, 0.26f, "Enter", false}, {0.51f, 0.80f, 0.07f, 0.12f, "Up", false},
};

inline constexpr LegendLine kKeyLegend[] = {
    {"W A S D", "steer and roll"},
    {"Space", "jump"},
    {"X", "brake"},
    {"E", "power at racers ahead"},
    {"Q", "power for racers behind"},
    {"C", "look back"},
    {"Esc or P", "pause"},
    {"Arrows, Enter", "menus"},
};

inline constexpr Control kPadButtons[] = {
    {0.35f, 0.40f, 0.06f, 0.11f, "A", true},      {0.40f, 0.31f, 0.06f, 0.11f, "B", true},
    {0.30f, 0.31f, 0.06f, 0.11f, "X", true},      {0.35f, 0.22f, 0.06f, 0.11f, "Y", true},
    {0.10f, 0.06f, 0.10f, 0.08f, "LB", false},    {0.35f, 0.06f, 0.10f, 0.08f, "RB", false},
    {0.11f, 0.32f, 0.09f, 0.16f, "L", true},      {0.225f, 0.31f, 0.05f, 0.07f, "Start", false},
    {0.17f, 0.52f, 0.08f, 0.14f, "D-pad", false},
};

inline constexpr LegendLine kPadLegend[] = {
    {"Left stick", "steer and roll"},
    {"A", "jump"},
    {"B or LT", "brake"},
    {"RB", "power at racers ahead"},
    {"LB", "power for racers behind"},
    {"Y", "look back"},
    {"Start", "pause"},
    {"D-pad, A, B", "menus"},
};

/// Where the legend's lines are centred across, where the first one is and how far apart they are.
inline constexpr float kLegendU = 0.76f;
inline constexpr float kLegendTopV = 0.16f;
inline constexpr float kLegendStepV = 0.085f;
} // namespace HowToPlayLayout
