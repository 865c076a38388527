#include "graphics/Shaker.h"

#include "math/GameConstants.h"
#include "math/Random.h"

#include <algorithm>

namespace
{
} // namespace

void Shaker::Shake(float magnitude, float decay, float duration)
{
    m_initial = m_current = magnitude;
    m_decay = decay;
    m_duration = m_remaining = duration;
    m_paused = false;
}

void Shaker::Reset()
{
    m_remaining = m_duration;
    m_current = m_initial;
}

bool Shaker::IsShaking() const
{
    return !m_paused && m_remaining > 0.0f && m_current >= kEpsilon;
}

Vector4 Shaker::Step(float dt)
{
    if (dt < kEpsilon || !IsShaking())
        return {};
    m_remaining = std::max(m_remaining - dt, 0.0f);
    const Vector4 offset = RandomDirection() * m_current;
    m_current -= m_decay;
    return offset.IsFinite() ? offset : Vector4{};
}
