#pragma once

class RigidBody;

/// Advances one body by one fixed step from its accumulated force.
class Integrator
{
  public:
    virtual ~Integrator() = default;
    /// Moves `body` by `dt` seconds and clears its forces.
    virtual void Integrate(RigidBody& body, float dt) const = 0;
};
