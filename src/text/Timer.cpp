#include "text/Timer.h"

#include "core/Engine.h"
#include "graphics/GraphicsSystem.h"

#include <algorithm>
#include <cstdio>

void Timer::Setup(const Vector4& position, int minutes, float seconds, bool paused, bool shown)
{
    m_position = position;
    m_total = m_remaining = static_cast<float>(minutes) * 60.0f + seconds;
    m_paused = paused;
    m_shown = shown;
    m_colour = {1, 1, 1, 1};
    m_size = {15, 30, 0, 0};
}

void Timer::Update()
{
    Update(Engine::CurrentDeltaTime());
}

void Timer::Format(float remaining, char* out, int size)
{
    const int minutes = static_cast<int>(remaining / 60.0f);
    if (minutes != 0)
        std::snprintf(out, static_cast<size_t>(size), "%d : %02.0f", minutes,
                      static_cast<double>(remaining - static_cast<float>(minutes) * 60.0f));
    else
        std::snprintf(out, static_cast<size_t>(size), "%2.0f", static_cast<double>(remaining));
}

void Timer::Update(float dt)
{
    if (!m_paused)
        m_remaining = std::max(m_remaining - dt, 0.0f);
    if (!m_shown)
        return;
    char text[64];
    Format(m_remaining, text, sizeof text);
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    graphics.PrintToScreen(text, m_position.x, m_position.y, m_size, m_colour);
    if (m_paused)
        graphics.PrintToScreen("PAUSED", m_position.x, m_position.y + 0.1f, {15, 30, 0, 0}, {1, 1, 1, 1});
}
