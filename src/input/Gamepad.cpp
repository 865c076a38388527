#include "input/Gamepad.h"

#include "core/WindowManager.h"
#include "input/GamepadSlots.h"

#include <cstdio>
#include <cstdlib>

Gamepad::Gamepad(int index, GamepadSlots& slots) : m_slots(slots), m_index(index)
{
    // Every pad starts as connected; the first poll reports the ones that are not there.
    std::printf("Controller %d connected\n", m_index);
}

void Gamepad::Poll(float dt)
{
    // Input meant for another window must not steer a racer: the pad reads idle, and its
    // connection is left as it was.
    if (!WindowManager::Instance().HasFocus())
    {
        m_previous.ClearInputs();
        m_current.ClearInputs();
        return;
    }
    m_previous = m_current;
    if (m_vibrationDuration != 0.0f)
        m_vibrationTime += dt;
    const bool connectedNow = m_slots.Read(m_index, m_current);
    if (connectedNow != m_connected)
        OnConnectionChanged(connectedNow);
    m_connectionKnown = true;
    if (m_connected && m_vibrationDuration != 0.0f && m_vibrationTime >= m_vibrationDuration)
        SetVibration(0, 0.0f);
}

void Gamepad::OnConnectionChanged(bool connectedNow)
{
    if (connectedNow)
        std::printf("Controller %d reconnected\n", m_index);
    else
    {
        std::printf("Controller %d disconnected\n", m_index);
        m_motorSpeed = 0;
        m_slots.Rumble(m_index, 0, 0);
        m_vibrationTime = m_vibrationDuration = 0.0f;
    }
    m_connected = connectedNow;
}

bool Gamepad::IsButtonDown(unsigned mask) const
{
    return m_connected && (m_current.buttons & mask) != 0;
}

bool Gamepad::IsButtonTriggered(unsigned mask) const
{
    return m_connected && (m_current.buttons & mask) != 0 && (m_previous.buttons & mask) == 0;
}

float Gamepad::ScaleAxis(int raw, int deadZone)
{
    if (std::abs(raw) < deadZone)
        return 0.0f;
    // The negative range is one longer than the positive one.
    return raw < 1 ? static_cast<float>(raw) * (1.0f / 32768.0f)
                   : static_cast<float>(raw) * (1.0f / 32767.0f);
}

Vector4 Gamepad::GetStick(int which) const
{
    if (which == 0)
        return {ScaleAxis(m_current.thumbLX, kLeftDeadZone), ScaleAxis(m_current.thumbLY, kLeftDeadZone), 0,
                0};
    return {ScaleAxis(m_current.thumbRX, kRightDeadZone), ScaleAxis(m_current.thumbRY, kRightDeadZone), 0, 0};
}

bool Gamepad::GetStickIfActive(int which, Vector4& out) const
{
    if (which != 0 && which != 1)
        return false;
    const int threshold = which == 0 ? kLeftDeadZone : kRightDeadZone;
    const int x = which == 0 ? m_current.thumbLX : m_current.thumbRX;
    const int y = which == 0 ? m_current.thumbLY : m_current.thumbRY;
    if (std::abs(x) <= threshold && std::abs(y) <= threshold)
        return false;
    out = GetStick(which);
    return true;
}

bool Gamepad::GetTrigger(int which, float& out) const
{
    if (which != 0 && which != 1)
        return false;
    const int raw = which == 0 ? m_current.leftTrigger : m_current.rightTrigger;
    if (raw <= kTriggerThreshold)
        return false;
    out = static_cast<float>(raw) * (1.0f / 255.0f);
    return true;
}

void Gamepad::SetVibration(uint16_t speed, float duration)
{
    m_motorSpeed = speed;
    m_slots.Rumble(m_index, speed, speed);
    m_vibrationTime = 0.0f;
    m_vibrationDuration = duration;
}
