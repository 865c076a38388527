#pragma once

#include "gameplay/BumpSounds.h"
#include "gameplay/HoverSpring.h"
#include "math/Vector4.h"
#include "objects/FieldSet.h"
#include "objects/XmlFile.h"

class GameObject;
class RigidBody;
class TweakBar;

/// Turns two-axis steering into forces on a ball's rigid body, keeps it hovering over the ground
/// on a spring, tracks the direction it faces, and jumps.
class Movement
{
  public:
    static constexpr float kJumpForce = 500.0f;

    virtual ~Movement() = default;

    /// The ball this movement drives; either may be null (then nothing moves).
    virtual void SetOwner(GameObject* owner, RigidBody* body);
    /// Hover spring, ground probe and facing bookkeeping, once per frame.
    virtual void Update();
    /// The "Mover" element: the spring settings (by position; the force limit is written but
    /// not read back) and, for a placed object, the facing. The owner's panel group shows them.
    static const FieldSet<Movement>& Fields();

    /// Steers with input x (sideways) and y (forward), braking with the left trigger or key X.
    void Move(const Vector4& input, int player);
    /// Jumps when on the ground, or once in the air; `force` is always kJumpForce in the game.
    void Jump(float force);

    const Vector4& GetFacing() const { return m_facing; }
    /// Sets the facing (y dropped and normalised; a zero vector keeps the old facing).
    void SetFacing(const Vector4& facing);
    const Vector4& GetLastFacing() const { return m_lastFacing; }
    int GetGroundObjectId() const { return m_groundObjectId; }
    const Vector4& GetGroundPoint() const { return m_groundPoint; }
    bool IsAirJumpAvailable() const { return m_airJumpAvailable; }
    HoverSpring& GetSpring() { return m_spring; }

  private:
    void ProbeGround();
    void HoverStep(float dt);
    float BrakeAmount(int player) const;
    bool CameraSteers(Vector4& direction) const;
    void ApplyJump(float force, bool inAir);

    bool m_airJumpAvailable = true;
    /// After a jump, until the spring holds the ball again: the landing is to be heard.
    bool m_awaitingLanding = false;
    float m_airTime = 0.0f;
    BumpSounds m_bumps;
    GameObject* m_owner = nullptr;
    RigidBody* m_body = nullptr;
    Vector4 m_facing{0, 0, -1, 0};
    Vector4 m_lastFacing{0, 0, -1, 0};
    float m_facingTimer = 0.0f;
    HoverSpring m_spring;
    int m_groundObjectId = -1;
    Vector4 m_groundPoint{0, 0, 0, 1};
};
