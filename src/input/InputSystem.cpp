#include "input/InputSystem.h"

#include "core/Engine.h"
#include "core/WindowManager.h"

namespace
{
constexpr float kForwardEpsilon = 0.0001f;
} // namespace

InputSystem& InputSystem::Instance()
{
    static InputSystem instance;
    return instance;
}

void InputSystem::Init()
{
    m_keys.fill(false);
    m_previousKeys.fill(false);
    for (size_t i = 0; i < m_pads.size(); ++i)
        m_pads[i] = std::make_unique<Gamepad>(static_cast<int>(i), m_slots);
    // Headless runs take pads only from injected events, so a pad on the desk cannot change them.
    if (!WindowManager::Instance().IsHeadless())
        m_slots.OpenDevices();
}

void InputSystem::PostUpdate()
{
    m_previousKeys = m_keys;
    const float dt = Engine::Get() ? Engine::Get()->GetDeltaTime() : 0.0f;
    for (auto& pad : m_pads)
        if (pad)
            pad->Poll(dt);
    m_previousMouse = m_mouse;
    m_mouseDeltaX = m_mouseDeltaY = 0;
    // After the poll: what the pads read now is what the next frame plays with.
    m_recorder.EndFrame(*this, dt, WindowManager::Instance().HasFocus());
}

void InputSystem::SetKey(int key, bool down)
{
    if (IsValidKey(key))
        m_keys[static_cast<size_t>(key)] = down;
}

bool InputSystem::IsKeyDown(int key) const
{
    return IsValidKey(key) && m_keys[static_cast<size_t>(key)];
}

bool InputSystem::IsKeyTriggered(int key) const
{
    return IsValidKey(key) && m_keys[static_cast<size_t>(key)] && !m_previousKeys[static_cast<size_t>(key)];
}

void InputSystem::MouseButtonDown(int button, int x, int y)
{
    if (IsValidButton(button))
        m_mouse[static_cast<size_t>(button)] = true;
    m_mouseX = x;
    m_mouseY = y;
}

void InputSystem::MouseButtonUp(int button)
{
    if (IsValidButton(button))
        m_mouse[static_cast<size_t>(button)] = false;
}

void InputSystem::MouseMove(int x, int y)
{
    m_mouseDeltaX = x - m_mouseX;
    m_mouseDeltaY = y - m_mouseY;
    m_mouseX = x;
    m_mouseY = y;
}

bool InputSystem::IsMouseHeld(int button) const
{
    return IsValidButton(button) && m_mouse[static_cast<size_t>(button)] &&
           m_previousMouse[static_cast<size_t>(button)];
}

bool InputSystem::IsMouseDown(int button) const
{
    return IsValidButton(button) && m_mouse[static_cast<size_t>(button)];
}

bool InputSystem::IsMouseTriggered(int button) const
{
    return IsValidButton(button) && m_mouse[static_cast<size_t>(button)] &&
           !m_previousMouse[static_cast<size_t>(button)];
}

Gamepad* InputSystem::GetGamepad(int index) const
{
    if (index < 0 || index >= kPadCount)
        return nullptr;
    return m_pads[static_cast<size_t>(index)].get();
}

bool InputSystem::IsButtonDownByAny(unsigned mask) const
{
    for (const auto& pad : m_pads)
        if (pad && pad->IsButtonDown(mask))
            return true;
    return false;
}

bool InputSystem::IsButtonTriggeredByAny(unsigned mask) const
{
    for (const auto& pad : m_pads)
        if (pad && pad->IsButtonTriggered(mask))
            return true;
    return false;
}

bool InputSystem::IsAnyGamepadConnected() const
{
    for (const auto& pad : m_pads)
        if (pad && pad->IsConnected())
            return true;
    return false;
}

bool InputSystem::GetStickByAny(int which, Vector4& out) const
{
    // Menus move on forward and back only: a stick pushed purely sideways does not count.
    for (const auto& pad : m_pads)
    {
        Vector4 stick;
        if (!pad || !pad->IsConnected() || !pad->GetStickIfActive(which, stick))
            continue;
        if (stick.y < -kForwardEpsilon || stick.y > kForwardEpsilon)
        {
            out = stick;
            return true;
        }
    }
    out = Vector4();
    return false;
}
