#pragma once

class Controller;

/// Steers a racer from its player's actions: the move axes and the jump button.
class HumanDriver
{
  public:
    explicit HumanDriver(Controller& controller) : m_controller(controller) {}
    /// Once per frame, unless the racer is held or has no player slot.
    void Update();

  private:
    Controller& m_controller;
};
