#pragma once

#include "core/EmptySystem.h"

/// Steps rigid bodies and colliders in fixed steps and resolves contacts.
class PhysicsSystem final : public EmptySystem
{
public:
    static PhysicsSystem& Instance();

private:
    PhysicsSystem() = default;
};
