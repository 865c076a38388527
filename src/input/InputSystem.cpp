#include "input/InputSystem.h"

InputSystem& InputSystem::Instance()
{
    static InputSystem instance;
    return instance;
}

void InputSystem::PostUpdate()
{
    m_previousKeys = m_keys;
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

bool InputSystem::IsTriggered(int key) const
{
    return IsValidKey(key) && m_keys[static_cast<size_t>(key)] && !m_previousKeys[static_cast<size_t>(key)];
}
