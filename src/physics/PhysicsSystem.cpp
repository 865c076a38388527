#include "physics/PhysicsSystem.h"

PhysicsSystem& PhysicsSystem::Instance()
{
    static PhysicsSystem instance;
    return instance;
}
