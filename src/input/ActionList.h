#pragma once

#include "core/EmptySystem.h"
#include "input/KeyBindings.h"
#include "math/Vector4.h"

#include <array>
#include <string>
#include <unordered_map>

/// The numbers of the fifteen actions; the first ten are bound to keys and buttons.
enum class Action
{
    Quit,
    PlayerMoveXLeft,
    PlayerMoveXRight,
    PlayerMoveYUp,
    PlayerMoveYDown,
    CameraFlip,
    PlayerBrake,
    PlayerJump,
    UsePowerUp,
    UsePowerUpBack,
    Size, ///< the count of bound actions
    PlayerVelX,
    PlayerVelY,
    PlayerVelZ,
    PickUpPowerUp,
};

/// One action of one player: an analog value and a pressed flag.
struct ActionState
{
    double value = 0.0;
    bool pressed = false;
};

/// Turns keys, buttons and sticks into each player's named actions. People's actions come from
/// their pad (and, for player 0, the keyboard); computer players' actions are written by the AI.
class ActionList final : public EmptySystem
{
  public:
    static constexpr int kPlayerCount = 4;
    static constexpr int kActionCount = 15;
    static constexpr int kBoundActionCount = KeyBindings::kBoundActionCount;

    /// The single instance.
    static ActionList& Instance();

    /// Clears every action and reads the bindings from res/keyBindings.txt.
    void Init() override;
    /// Keeps this frame's actions as the previous ones, clears the computer players' bound
    /// actions, then reads the devices.
    void Update() override;
    /// Reads the devices into the actions of the human players; the only part that runs while
    /// the game is paused.
    void UpdateActions();

    /// The action's number, -1 for a name that is not an action.
    int GetActionNumber(const std::string& name) const;
    /// Whether the player holds the action; false for players or actions out of range.
    bool IsPressed(int player, int action) const;
    /// Whether the action went down in this frame's update.
    bool IsTriggered(int player, int action) const;
    /// The action's analog value; 0 out of range.
    double GetValue(int player, int action) const;
    /// The steering axes; for a person playing as player 0 held movement keys stand in for an axis
    /// near zero.
    Vector4 GetMoveVector(int player) const;
    /// The AI's steering: both move axes pressed with these values.
    void SetMoveAxes(int player, double x, double y);
    /// The AI's buttons: sets both fields of one action.
    void SetAction(int player, int action, double value, bool pressed);

    /// The key and button of each bound action.
    const KeyBindings::Table& GetBindings() const { return m_bindings; }
    /// Replaces the bindings (tests, and whoever offers rebinding later).
    void SetBindings(const KeyBindings::Table& bindings) { m_bindings = bindings; }

  private:
    using PlayerActions = std::array<ActionState, kActionCount>;

    ActionList();
    static bool IsValid(int player, int action);
    static bool IsComputer(int player);
    void ClearBoundActions(int player);
    /// Reads the pad into one action; true when a bound button holds it down this frame.
    bool ReadPad(int player, int action);
    void ReadKeyboard(int action, bool padPressed);

    std::unordered_map<std::string, int> m_actionNumbers;
    std::array<PlayerActions, kPlayerCount> m_previous{};
    std::array<PlayerActions, kPlayerCount> m_current{};
    KeyBindings::Table m_bindings{};
};
