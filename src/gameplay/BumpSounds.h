#pragma once

#include "math/Vector4.h"

class GameObject;
class RigidBody;

/// Hears a ball's impacts: a touch of another racer or of a wall that changed the ball's velocity
/// sharply. Resting contact changes it little, and one racer is heard at most every so often, so
/// balls pressed together or sliding along a wall do not rattle.
class BumpSounds
{
  public:
    /// The squared change of sideways velocity in one frame that counts as an impact.
    static constexpr float kImpactSpeedSquared = 9.0f;
    /// The shortest time between two impacts heard from one racer, in seconds.
    static constexpr float kQuietTime = 0.3f;

    /// Once per frame after the physics step: plays "SFX/BumpBall" or "SFX/BumpWall" and "sparks" when due.
    void Update(GameObject& owner, const RigidBody& body, float dt);

  private:
    Vector4 m_lastVelocity;
    float m_sinceBump = kQuietTime;
};
