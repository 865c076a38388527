#pragma once

#include "graphics/Shaker.h"
#include "math/Vector4.h"
#include "objects/Component.h"

/// The view of one viewport. On a racer it follows the ball on a spring, looks back on a button or
/// orbits under the second stick; scripts can shake it.
class Camera final : public Component
{
  public:
    Camera();
    ~Camera() override;

    void Initialize() override;
    bool Update() override;
    /// Offset, direction and up by position (all three written as "offset"), then
    /// "m_updateCamPos", "followStiffness" and "followDamping" by name; direction and up stay
    /// unit vectors, and a follow spring that would not settle is refused.
    const ComponentFields* Fields() const override;

    const Vector4& GetPosition() const { return m_position; }
    void SetPosition(const Vector4& position);
    const Vector4& GetDirection() const { return m_direction; }
    /// Sets the direction (normalised; a zero vector keeps the old one).
    void SetDirection(const Vector4& direction);
    const Vector4& GetUp() const { return m_up; }
    const Vector4& GetOffset() const { return m_offset; }
    void SetOffset(const Vector4& offset) { m_offset = offset; }
    /// False: the camera only sits at its owner's position.
    bool UpdatesPosition() const { return m_updateCamPos; }
    void SetUpdatesPosition(bool on) { m_updateCamPos = on; }
    void SetOrbitMode(bool on) { m_orbitMode = on; }
    float GetOrbitPitch() const { return m_orbitPitch; }
    /// The next update jumps straight to the follow target.
    void Snap() { m_snap = true; }
    /// Moves smoothly towards `target` until the transition is switched off.
    void SetTransition(bool on, const Vector4& target);
    bool IsLookingBack() const { return m_lookBack; }
    /// Stiffness and damping of the spring that pulls the follow camera behind the ball.
    float GetFollowStiffness() const { return m_followStiffness; }
    float GetFollowDamping() const { return m_followDamping; }
    /// Whether the follow spring, stepped at its fixed 0.016 s, comes to rest rather than swinging up.
    static bool IsStableFollowSpring(float stiffness, float damping);

    void Shake(float magnitude, float decay, float duration) { m_shaker.Shake(magnitude, decay, duration); }
    void ResetShaker() { m_shaker.Reset(); }
    void PauseShaker(bool paused) { m_shaker.Pause(paused); }
    bool IsShaking() const { return m_shaker.IsShaking(); }

  private:
    void Follow(float dt);
    void Orbit();
    void Transition(float dt);
    int Player() const;
    /// Takes the follow spring if it settles; otherwise says so and keeps the one it has.
    void SetFollowSpring(float stiffness, float damping);

    Shaker m_shaker;
    Vector4 m_offset{0, 0, 0, 1};
    Vector4 m_position{0, 0, 0, 1};
    Vector4 m_direction{0, 0, -1, 0};
    Vector4 m_up{0, 1, 0, 0};
    Vector4 m_springVelocity;
    // At a steady speed v the camera trails its target by v * damping / stiffness: a softer
    // spring shows speed, a stiffer one keeps the ball large in the view.
    float m_followStiffness = 1600.0f;
    float m_followDamping = 600.0f;
    float m_readStiffness = 0.0f; ///< the spring as read, until both halves are checked
    float m_readDamping = 0.0f;
    Vector4 m_transitionTarget{0, 0, 0, 1};
    Vector4 m_transitionVelocity;
    bool m_updateCamPos = true;
    bool m_lookBack = false;
    bool m_wasLookingBack = false;
    bool m_orbitMode = false;
    unsigned m_transition = 0;
    bool m_snap = false;
    float m_orbitSensitivity = 3.0f;
    float m_orbitYaw = 0.0f;
    float m_orbitPitch = 0.0f;
    bool m_registered = false;
};
