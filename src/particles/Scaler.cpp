#include "particles/Scaler.h"

#include "math/Random.h"
#include "particles/BehaviourSupport.h"
#include "particles/Particle.h"
#include "particles/ParticleFieldList.h"

void Scaler::Spawn(Particle& particle, ParticleEmitter& /*emitter*/)
{
    particle.size = m_randStartScale ? RandomRange(m_scaleStart, m_scaleEnd) : m_scaleStart;
    particle.startSize = particle.size;
}

void Scaler::Update(Particle& particle, ParticleEmitter& /*emitter*/)
{
    if (!m_lerpScale)
        return;
    const float t = UnitClamp(particle.normalisedAge);
    particle.size = (1.0f - t) * particle.startSize + m_scaleEnd * t;
}

const FieldSet<ParticleDecorator>& Scaler::Fields() const
{
    static const ParticleFieldList<Scaler> fields = []
    {
        auto list = NewParticleFields<Scaler>();
        list.Add("m_scaleStart", &Scaler::m_scaleStart)
            .Panel("scaleStart", TweakType::Float, " min=0 step=0.1 ");
        list.Add("m_scaleEnd", &Scaler::m_scaleEnd).Panel("scaleEnd");
        list.Add("randStartScale", &Scaler::m_randStartScale).Panel("RandomScale");
        list.Add("lerpScale", &Scaler::m_lerpScale).Panel("LerpScale");
        return list;
    }();
    return fields;
}
