#include "states/HowToPlay.h"

#include "input/InputSystem.h"
#include "states/GameStateId.h"
#include "states/HowToPlayLayout.h"
#include "states/MenuAction.h"
#include "states/MenuDrawing.h"
#include "states/MenuList.h"

#include <span>
#include <string>

namespace
{
// The picture's place on the screen, as fractions of it: below the title, whose letters would
// otherwise hide the shoulder buttons drawn along the picture's top.
constexpr float kPictureX = 0.5f;
constexpr float kPictureY = 0.535f;
constexpr float kPictureSize = 0.8f;
const Vector4 kCapColour{0.1f, 0.12f, 0.2f, 1};
const Vector4 kLegendColour{1, 1, 1, 1};

float ScreenX(float u)
{
    return 2.0f * (kPictureX + (u - 0.5f) * kPictureSize) - 1.0f;
}

float ScreenY(float v)
{
    return 1.0f - 2.0f * (kPictureY + (v - 0.5f) * kPictureSize);
}

void DrawControls(std::span<const HowToPlayLayout::Control> controls)
{
    for (const HowToPlayLayout::Control& control : controls)
        MenuDrawing::Text(control.label, ScreenX(control.u), ScreenY(control.v),
                          std::string(control.label).size() > 2 ? 14.0f : 22.0f, kCapColour);
}

void DrawLegend(std::span<const HowToPlayLayout::LegendLine> lines)
{
    float v = HowToPlayLayout::kLegendTopV;
    for (const HowToPlayLayout::LegendLine& line : lines)
    {
        MenuDrawing::Text(std::string(line.control) + ":  " + line.action, ScreenX(HowToPlayLayout::kLegendU),
                          ScreenY(v), 18.0f, kLegendColour);
        v += HowToPlayLayout::kLegendStepV;
    }
}
} // namespace

void HowToPlay::Enter()
{
    SetId(GameStateId::kHowToPlay);
    MenuList& menu = MenuList::Instance();
    menu.Clear();
    menu.Add(MenuAction::kBack, "Back", -0.85f);
}

void HowToPlay::DrawScreen()
{
    MenuDrawing::OverlayBackdrop();
    const bool pad = InputSystem::Instance().IsAnyGamepadConnected();
    MenuDrawing::Picture(pad ? "howtoplay" : "howtoplay_keyboard", kPictureX, kPictureY, kPictureSize,
                         kPictureSize);
    MenuDrawing::Title("How To Play", 0.86f);
    if (pad)
    {
        DrawControls(HowToPlayLayout::kPadButtons);
        DrawLegend(HowToPlayLayout::kPadLegend);
    }
    else
    {
        DrawControls(HowToPlayLayout::kKeys);
        DrawLegend(HowToPlayLayout::kKeyLegend);
    }
}
