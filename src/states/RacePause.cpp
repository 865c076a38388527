#include "states/RacePause.h"

#include "core/WindowManager.h"
#include "input/InputSystem.h"
#include "input/PadState.h"
#include "input/VirtualKeyMap.h"
#include "objects/Logic.h"
#include "states/GameStateId.h"
#include "states/GameStateManager.h"

#include <cstdio>

namespace
{
bool PadConnected(int slot)
{
    const Gamepad* pad = InputSystem::Instance().GetGamepad(slot);
    // Until the first reading a pad only counts as connected; it has not been seen.
    return pad && pad->IsConnectionKnown() && pad->IsConnected();
}
} // namespace

void RacePause::Update()
{
    GameStateManager& states = GameStateManager::Instance();
    if (states.IsPaused())
    {
        ResumeIfPadBack();
        return;
    }
    // Whichever way the pause was left, nothing is waited for any more.
    m_waitingForPad = -1;
    const int lostPad = TakeLostHumanPad();
    // Without a pause menu to leave it by, pausing would freeze the race for good.
    if ((lostPad >= 0 || PauseAsked()) && states.CanCreate(GameStateId::kPauseMenu))
    {
        states.RequestPush(GameStateId::kPauseMenu);
        states.SetPaused(true);
        m_waitingForPad = lostPad;
    }
}

bool RacePause::PauseAsked() const
{
    const InputSystem& input = InputSystem::Instance();
    return !WindowManager::Instance().HasFocus() || input.IsKeyTriggered(VirtualKey::kEscape) ||
           input.IsButtonTriggeredByAny(PadButton::kStart) ||
           (m_withKeyP && input.IsKeyTriggered(VirtualKey::Letter('P')));
}

int RacePause::TakeLostHumanPad()
{
    int lost = -1;
    for (int slot = 0; slot < static_cast<int>(m_seenConnected.size()); ++slot)
    {
        const bool connected = PadConnected(slot);
        const bool human = !Logic::Instance().GetPlayerChoice(slot).isComputer;
        if (lost < 0 && human && m_seenConnected[static_cast<size_t>(slot)] && !connected)
            lost = slot;
        m_seenConnected[static_cast<size_t>(slot)] = connected;
    }
    if (lost >= 0)
        std::printf("Player %d's controller is gone: the race waits until it is back\n", lost + 1);
    return lost;
}

void RacePause::ResumeIfPadBack()
{
    GameStateManager& states = GameStateManager::Instance();
    if (m_waitingForPad < 0 || !PadConnected(m_waitingForPad) || !states.IsTop(GameStateId::kPauseMenu))
        return;
    m_seenConnected[static_cast<size_t>(m_waitingForPad)] = true;
    m_waitingForPad = -1;
    states.RequestPop();
    states.SetPaused(false);
}
