#include "particles/Rotation.h"

#include "math/GameConstants.h"
#include "math/Quaternion.h"
#include "math/Random.h"
#include "particles/BehaviourSupport.h"
#include "particles/Particle.h"
#include "particles/ParticleEmitter.h"
#include "particles/ParticleFieldList.h"

#include <algorithm>

namespace
{
Quaternion Turn(const Vector4& axis, float degrees)
{
    return Quaternion::FromAxisAngle(axis, degrees * kPerDegree * kGamePi);
}
} // namespace

void Rotation::Update(Particle& particle, ParticleEmitter& emitter)
{
    if (m_changeOverTime)
        AdvanceChange(emitter.FrameTime());
    const Quaternion turnX = Turn({1.0f, 0.0f, 0.0f, 0.0f}, m_steps[0]);
    const Quaternion turnY = Turn({0.0f, 1.0f, 0.0f, 0.0f}, m_steps[1]);
    const Quaternion turnZ = Turn({0.0f, 0.0f, 1.0f, 0.0f}, m_steps[2]);
    particle.localPosition = ((turnZ * turnY) * turnX).Rotate(particle.localPosition);
}

void Rotation::AdvanceChange(float dt)
{
    // The clock runs once per particle update, not once per frame: an effect with more live
    // particles changes its steps sooner.
    m_changeClock += dt;
    if (m_changeClock > m_timeBetweenChange)
    {
        m_changeClock = 0.0f;
        for (int axis = 0; axis < 3; ++axis)
            if (Changes(axis))
            {
                m_from[axis] = m_steps[axis];
                m_to[axis] = RandomRangeFine(m_rangeMin, m_rangeMax);
            }
        m_changing = true;
    }
    // Before the first change there is nothing to blend towards: the steps stay as set.
    if (!m_changing)
        return;
    // A change time of zero jumps straight to the new steps instead of dividing by zero.
    const float t = m_timeToChange > kEpsilon ? std::clamp(m_changeClock / m_timeToChange, 0.0f, 1.0f) : 1.0f;
    for (int axis = 0; axis < 3; ++axis)
        if (Changes(axis))
            m_steps[axis] = Lerp(m_from[axis], m_to[axis], t);
    m_changing = t < 1.0f;
}

bool Rotation::Changes(int axis) const
{
    return m_changeAxis[static_cast<size_t>(axis)];
}

const FieldSet<ParticleDecorator>& Rotation::Fields() const
{
    static const ParticleFieldList<Rotation> fields = []
    {
        auto list = NewParticleFields<Rotation>();
        list.Add("m_rotationStepX", [](Rotation& r) -> float& { return r.m_steps[0]; }).Panel("xStep");
        list.Add("m_rotationStepY", [](Rotation& r) -> float& { return r.m_steps[1]; }).Panel("yStep");
        list.Add("m_rotationStepZ", [](Rotation& r) -> float& { return r.m_steps[2]; }).Panel("zStep");
        list.Add("m_RangeMin", &Rotation::m_rangeMin).Panel("Range Min", TweakType::Float, " step=0.5 ");
        list.Add("m_RangeMax", &Rotation::m_rangeMax).Panel("Range Max");
        list.Add("timeBetweenChange", &Rotation::m_timeBetweenChange).Panel("Change After");
        list.Add("timeToChange", &Rotation::m_timeToChange).Panel("Change Duration");
        list.Add("m_changeOverTime", &Rotation::m_changeOverTime).Panel("Change");
        list.Add("m_changeX", [](Rotation& r) -> bool& { return r.m_changeAxis[0]; }).Panel("changeX");
        list.Add("m_changeY", [](Rotation& r) -> bool& { return r.m_changeAxis[1]; }).Panel("changeY");
        list.Add("m_changeZ", [](Rotation& r) -> bool& { return r.m_changeAxis[2]; }).Panel("changeZ");
        return list;
    }();
    return fields;
}
