#include "states/MenuScreen.h"

#include "states/GameStateManager.h"
#include "states/MenuList.h"

void MenuScreen::Update()
{
    if (!GameStateManager::Instance().IsTop(GetId()))
        return;
    if (!MenuList::Instance().IsFading() && TakeOwnInput())
        return;
    if (MenuList::Instance().Update())
        DrawScreen();
}
