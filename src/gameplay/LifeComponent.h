#pragma once

#include "objects/Component.h"
#include "text/Timer.h"

/// Destroys its object when its life time runs out and frees the spawner that made it.
class LifeComponent final : public Component
{
  public:
    LifeComponent();
    ~LifeComponent() override;

    /// Sets the life time and restarts the countdown; -1 lives forever.
    void SetLifeTime(float seconds);
    float GetLifeTime() const { return m_lifeTime; }
    float GetTimeLeft() const { return m_countdown.GetRemaining(); }
    /// Ends the object's life now: frees the spawner that made it and queues its destruction.
    void RequestDestruction();

    void Initialize() override;
    bool Update() override;
    /// The first child's "value" is the life time ("lifeTime"); setting it from a file, a
    /// clone or the panel restarts the countdown.
    const ComponentFields* Fields() const override;

  private:
    float m_lifeTime = -1.0f;
    Timer m_countdown;
    bool m_registered = false;
};
