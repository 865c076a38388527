#pragma once

#include "physics/Integrator.h"

/// Semi-implicit Euler: the velocity changes first and the position moves by the new velocity.
/// No damping; gravity arrives as a force added by the physics system.
class EulerIntegrator final : public Integrator
{
  public:
    void Integrate(RigidBody& body, float dt) const override;
};
