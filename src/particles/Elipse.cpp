#include "particles/Elipse.h"

#include "math/Random.h"
#include "particles/BehaviourSupport.h"
#include "particles/Particle.h"
#include "particles/ParticleFieldList.h"

#include <cmath>

void Elipse::Initialize(ParticleEmitter& emitter)
{
    if (!m_useObjScale)
        return;
    const Vector4 scale = OwnerScale(emitter);
    m_a = scale.x * 0.5f;
    m_b = scale.z * 0.5f;
}

void Elipse::Spawn(Particle& particle, ParticleEmitter& /*emitter*/)
{
    const float angle = RandomFullTurn();
    float a = m_a;
    float b = m_b;
    if (m_filled)
    {
        a = RandomRangeFine(0.0f, m_a);
        b = RandomRangeFine(0.0f, m_b);
    }
    particle.localPosition = {std::cos(angle) * a, 0.0f, std::sin(angle) * b, 1.0f};
}

const FieldSet<ParticleDecorator>& Elipse::Fields() const
{
    static const ParticleFieldList<Elipse> fields = []
    {
        auto list = NewParticleFields<Elipse>();
        list.Add("m_a", &Elipse::m_a).Panel("Axis1", TweakType::Float, " min=0 step=0.1 ");
        list.Add("m_b", &Elipse::m_b).Panel("Axis2");
        list.Add("m_filled", &Elipse::m_filled).Panel("Filled");
        list.Add("m_useObjScale", &Elipse::m_useObjScale).Panel("UseObjScale");
        return list;
    }();
    return fields;
}
