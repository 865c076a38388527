#include "gameplay/HumanDriver.h"

#include "gameplay/Controller.h"
#include "input/ActionList.h"

void HumanDriver::Update()
{
    const int player = m_controller.GetPlayerIndex();
    if (player < 0 || player >= ActionList::kPlayerCount ||
        m_controller.GetPlayerState() == Controller::kHeld)
        return;
    ActionList& actions = ActionList::Instance();
    m_controller.GetMover().Move(actions.GetMoveVector(player), player);
    if (actions.IsTriggered(player, static_cast<int>(Action::PlayerJump)))
        m_controller.GetMover().Jump(Movement::kJumpForce);
}
