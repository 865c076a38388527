#pragma once

#include "gameplay/BehaviourTree.h"
#include "math/Vector4.h"

#include <memory>

class Controller;

/// Drives a computer racer: a behaviour tree that steers towards the race line's target through
/// the racer's action-list slot and decides when to fire the element power.
class AiDriver
{
  public:
    static constexpr int kMaxHeldPowers = 3;

    explicit AiDriver(Controller& controller);
    ~AiDriver();

    /// Ticks the tree once, unless the racer is held.
    void Update();

    Controller& GetController() { return m_controller; }
    const Vector4& GetTarget() const { return m_target; }
    void SetTarget(const Vector4& target);
    const Vector4& GetSteering() const { return m_steering; }
    void SetSteering(const Vector4& steering) { m_steering = steering; }
    int GetOpponent() const { return m_opponent; }
    void SetOpponent(int player) { m_opponent = player; }
    int GetHeldPowers() const { return m_heldPowers; }
    void SetHeldPowers(int count) { m_heldPowers = count; }

  private:
    std::unique_ptr<BNode> BuildTree();

    Controller& m_controller;
    std::unique_ptr<BNode> m_root;
    int m_opponent = -1;
    Vector4 m_target{0, 0, 0, 1};
    Vector4 m_steering;
    int m_heldPowers = 0;
};
