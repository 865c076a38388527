#include "particles/LifeTime.h"

#include "math/Random.h"
#include "particles/Particle.h"
#include "particles/ParticleFieldList.h"

void LifeTime::Spawn(Particle& particle, ParticleEmitter& /*emitter*/)
{
    particle.lifetime = m_randStartLife ? RandomRange(m_lifeMin, m_lifeMax) : m_lifeMin;
}

const FieldSet<ParticleDecorator>& LifeTime::Fields() const
{
    static const ParticleFieldList<LifeTime> fields = []
    {
        auto list = NewParticleFields<LifeTime>();
        list.Add("m_lifeMin", &LifeTime::m_lifeMin).Panel("LifeMin", TweakType::Float, " min=-1 step=0.1 ");
        list.Add("m_lifeMax", &LifeTime::m_lifeMax).Panel("LifeMax", TweakType::Float, " min=0 ");
        list.Add("m_randStartLife", &LifeTime::m_randStartLife).Panel("RandomLife");
        return list;
    }();
    return fields;
}
