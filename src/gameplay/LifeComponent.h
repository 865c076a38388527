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
    std::unique_ptr<Component> Clone() const override;
    /// The first child's "value" is the life time ("lifeTime").
    void Deserialize(XmlFile& file, const XmlElement* element) override;
    void Serialize(XmlFile& file, XmlElement* parent, bool instanceOnly) const override;
    void AddToTweakBar(TweakBar& bar, bool instanceOnly) override;

private:
    float m_lifeTime = -1.0f;
    Timer m_countdown;
    bool m_registered = false;
};
