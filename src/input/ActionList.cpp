#include "input/ActionList.h"

#include "core/ResourcePaths.h"
#include "input/InputSystem.h"
#include "objects/Logic.h"

#include <cmath>

namespace
{
constexpr const char* kActionNames[ActionList::kActionCount] = {
    "QUIT",       "PLAYERMOVEXLEFT", "PLAYERMOVEXRIGHT", "PLAYERMOVEYUP", "PLAYERMOVEYDOWN",
    "CAMERAFLIP", "PLAYERBRAKE",     "PLAYERJUMP",       "USEPOWERUP",    "USEPOWERUPBACK",
    "SIZE_",      "PLAYERVELX",      "PLAYERVELY",       "PLAYERVELZ",    "PICKUPPOWERUP"};
constexpr const char* kBindingsFile = "keyBindings.txt";
constexpr double kNearZero = 0.0001;

constexpr int Index(Action action)
{
    return static_cast<int>(action);
}
} // namespace

ActionList::ActionList()
{
    for (int i = 0; i < kActionCount; ++i)
        m_actionNumbers.emplace(kActionNames[i], i);
}

ActionList& ActionList::Instance()
{
    static ActionList instance;
    return instance;
}

void ActionList::Init()
{
    m_previous = {};
    m_current = {};
    m_bindings = KeyBindings::Load(std::string(ResourcePaths::kRoot) + kBindingsFile);
}

void ActionList::Update()
{
    m_previous = m_current;
    // The AI writes its racers' actions afresh every frame; whatever it does not write is off.
    for (int player = 0; player < kPlayerCount; ++player)
        if (IsComputer(player))
            ClearBoundActions(player);
    UpdateActions();
}

void ActionList::ClearBoundActions(int player)
{
    for (int action = 0; action < kBoundActionCount; ++action)
        m_current[static_cast<size_t>(player)][static_cast<size_t>(action)] = {};
}

bool ActionList::IsComputer(int player)
{
    return Logic::Instance().GetPlayerChoice(player).isComputer;
}

void ActionList::UpdateActions()
{
    for (int player = 0; player < kPlayerCount; ++player)
    {
        if (IsComputer(player))
            continue;
        for (int action = 0; action < kBoundActionCount; ++action)
        {
            const bool padPressed = ReadPad(player, action);
            if (player == 0)
                ReadKeyboard(action, padPressed);
        }
    }
}

bool ActionList::ReadPad(int player, int action)
{
    const Gamepad* pad = InputSystem::Instance().GetGamepad(player);
    // An unplugged pad contributes nothing: a stick held mid-turn when it was pulled out must
    // not keep steering, and a held button must not stay down.
    const bool connected = pad && pad->IsConnected();
    PlayerActions& actions = m_current[static_cast<size_t>(player)];
    const int button = m_bindings[static_cast<size_t>(action)].button;
    if (button != 0)
    {
        const bool down = connected && pad->IsButtonDown(static_cast<unsigned>(button));
        actions[static_cast<size_t>(action)].pressed = down;
        return down;
    }
    if (action == Index(Action::PlayerMoveXLeft))
    {
        // Binding a button to the left move action turns the stick off for steering.
        const Vector4 stick = connected ? pad->GetStick(0) : Vector4();
        actions[static_cast<size_t>(Index(Action::PlayerMoveXLeft))].value = stick.x;
        actions[static_cast<size_t>(Index(Action::PlayerMoveYUp))].value = stick.y;
    }
    return false;
}

void ActionList::ReadKeyboard(int action, bool padPressed)
{
    ActionState& state = m_current[0][static_cast<size_t>(action)];
    const bool isMove = action >= Index(Action::PlayerMoveXLeft) && action <= Index(Action::PlayerMoveYDown);
    // A pad button holding a non-movement action in this frame is not released by an idle key;
    // for movement the keyboard has the last word. Last frame's press counts for nothing here,
    // or a released key would stay down.
    if (padPressed && !isMove)
        return;
    state.pressed = InputSystem::Instance().IsKeyDown(m_bindings[static_cast<size_t>(action)].key);
}

int ActionList::GetActionNumber(const std::string& name) const
{
    const auto found = m_actionNumbers.find(name);
    return found == m_actionNumbers.end() ? -1 : found->second;
}

bool ActionList::IsValid(int player, int action)
{
    return player >= 0 && player < kPlayerCount && action >= 0 && action < kActionCount;
}

bool ActionList::IsPressed(int player, int action) const
{
    return IsValid(player, action) &&
           m_current[static_cast<size_t>(player)][static_cast<size_t>(action)].pressed;
}

bool ActionList::IsTriggered(int player, int action) const
{
    return IsPressed(player, action) &&
           !m_previous[static_cast<size_t>(player)][static_cast<size_t>(action)].pressed;
}

double ActionList::GetValue(int player, int action) const
{
    return IsValid(player, action) ? m_current[static_cast<size_t>(player)][static_cast<size_t>(action)].value
                                   : 0.0;
}

Vector4 ActionList::GetMoveVector(int player) const
{
    Vector4 move(static_cast<float>(GetValue(player, Index(Action::PlayerMoveXLeft))),
                 static_cast<float>(GetValue(player, Index(Action::PlayerMoveYUp))), 0.0f, 0.0f);
    // The keyboard stands in for a person's stick: a computer player 0 drives with exactly the
    // axes its behaviour tree wrote, or it would be pushed forward through every sharp turn.
    if (player != 0 || IsComputer(0))
        return move;
    // Keys only stand in for an axis the stick leaves near zero; left is tested before right.
    if (IsPressed(0, Index(Action::PlayerMoveXLeft)) && std::fabs(move.x) <= kNearZero)
        move.x = -1.0f;
    if (IsPressed(0, Index(Action::PlayerMoveXRight)) && std::fabs(move.x) <= kNearZero)
        move.x = 1.0f;
    if (IsPressed(0, Index(Action::PlayerMoveYUp)) && std::fabs(move.y) <= kNearZero)
        move.y = 1.0f;
    if (IsPressed(0, Index(Action::PlayerMoveYDown)) && std::fabs(move.y) <= kNearZero)
        move.y = -1.0f;
    return move;
}

void ActionList::SetMoveAxes(int player, double x, double y)
{
    SetAction(player, Index(Action::PlayerMoveXLeft), x, true);
    SetAction(player, Index(Action::PlayerMoveYUp), y, true);
}

void ActionList::SetAction(int player, int action, double value, bool pressed)
{
    if (IsValid(player, action))
        m_current[static_cast<size_t>(player)][static_cast<size_t>(action)] = {value, pressed};
}
