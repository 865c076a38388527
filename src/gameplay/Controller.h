#pragma once

#include "gameplay/Movement.h"
#include "math/Vector4.h"
#include "objects/Component.h"
#include "objects/PlayerControl.h"

#include <memory>

class AiDriver;
class HumanDriver;

/// A racer: its player index and per-race numbers, and the Movement a person or the computer
/// drives.
class Controller final : public Component, public PlayerControl
{
  public:
    static constexpr int kHeld = 2; ///< player state in which the racer gets no control
    static constexpr unsigned kFullPower = 100;

    Controller();
    ~Controller() override;

    void Initialize() override;
    bool Update() override;
    /// "ID" and "ControllerType" by position, then the "Mover" element. A clone gets the same
    /// player and type and a fresh mover.
    const ComponentFields* Fields() const override;

    int GetPlayerIndex() const override { return m_playerIndex; }
    int GetPlayerState() const { return m_playerState; }
    void SetPlayerState(int state) { m_playerState = state; }
    int GetPower() const { return m_power; }
    void SetPower(int power) { m_power = power; }
    unsigned GetPowerLevel() const { return m_powerLevel; }
    /// Clamped to 100.
    void SetPowerLevel(unsigned level);
    /// Adds, then clamps to 100 (a negative amount lowers it, not below 0).
    void AddToPowerLevel(int amount);
    int GetElement() const { return m_element; }
    void SetElement(int element) { m_element = element; }
    const Vector4& GetFacing() const override { return m_mover.GetFacing(); }
    void SetFacing(const Vector4& facing) { m_mover.SetFacing(facing); }
    Movement& GetMover() { return m_mover; }
    /// 0 a person, 1 the computer.
    int GetControllerType() const { return m_controllerType; }
    bool IsComputer() const { return m_controllerType == 1; }
    AiDriver* GetAiDriver() const { return m_aiDriver.get(); }

    /// Computer racers only: jump with the game's jump force.
    void Jump();
    /// Computer racers only: the point the AI steers to.
    void SetTargetPosition(const Vector4& target);

  private:
    int m_playerIndex = 0;
    int m_playerState = kHeld;
    int m_power = 0;
    unsigned m_powerLevel = 0;
    int m_element = 0;
    Movement m_mover;
    int m_controllerType = 0;
    std::unique_ptr<HumanDriver> m_humanDriver;
    std::unique_ptr<AiDriver> m_aiDriver;
    bool m_registered = false;
};
