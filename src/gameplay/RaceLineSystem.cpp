#include "gameplay/RaceLineSystem.h"

RaceLineSystem& RaceLineSystem::Instance()
{
    static RaceLineSystem instance;
    return instance;
}
