#include "states/Options.h"

#include "graphics/GraphicsSystem.h"
#include "states/GameStateId.h"
#include "states/MenuAction.h"
#include "states/MenuDrawing.h"
#include "states/MenuList.h"
#include "states/SoundVolumes.h"

#include <cmath>

namespace
{
constexpr float kSilent = 0.0001f;
}

void Options::Enter()
{
    SetId(GameStateId::kOptions);
    const bool effectsOff = std::fabs(SoundVolumes::GetEffects()) < kSilent;
    const bool musicOff = std::fabs(SoundVolumes::GetMusic()) < kSilent;
    MenuList& menu = MenuList::Instance();
    menu.Clear();
    menu.Add(MenuAction::kFullscreen, GraphicsSystem::Instance().IsFullscreen() ? "Windowed" : "Fullscreen",
             0.2f);
    menu.Add(MenuAction::kMuteAll, effectsOff ? "UnMute all audio" : "Mute all audio", -0.1f);
    menu.Add(MenuAction::kMuteMusic, musicOff ? "Unmute music only" : "Mute music only", -0.4f);
    menu.Add(MenuAction::kBack, "Back", -0.85f);
}

void Options::DrawScreen()
{
    MenuDrawing::OverlayBackdrop();
    MenuDrawing::Panel(0.5f, 0.58f, 0.75f, 0.85f);
    MenuDrawing::Title("Options", 0.62f);
}
