#include "gameplay/CheckPointSystem.h"

CheckPointSystem& CheckPointSystem::Instance()
{
    static CheckPointSystem instance;
    return instance;
}
