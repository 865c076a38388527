#include "states/AreYouSure.h"

#include "states/GameStateId.h"
#include "states/MenuAction.h"
#include "states/MenuDrawing.h"
#include "states/MenuList.h"

void AreYouSure::Enter()
{
    SetId(GameStateId::kAreYouSure);
    MenuList& menu = MenuList::Instance();
    menu.Clear();
    // "No" first, so a hasty confirm changes nothing.
    menu.Add(MenuAction::kBack, "No", -0.4f);
    menu.Add(MenuAction::kYes, "Yes", 0.0f);
}

void AreYouSure::DrawScreen()
{
    MenuDrawing::OverlayBackdrop();
    MenuDrawing::Panel(0.5f, 0.55f, 0.6f, 0.6f);
    MenuDrawing::Title("Are you sure?", 0.4f);
}
