#include "particles/BlackHole.h"

#include "particles/BehaviourSupport.h"
#include "particles/Particle.h"
#include "particles/ParticleEmitter.h"
#include "particles/ParticleFieldList.h"

void BlackHole::Update(Particle& particle, ParticleEmitter& emitter)
{
    particle.previousPosition = particle.position;
    const float t = UnitClamp(particle.normalisedAge);
    particle.position = particle.localPosition * (1.0f - t) + (OwnerPosition(emitter) + emitter.Offset()) * t;
}

const FieldSet<ParticleDecorator>& BlackHole::Fields() const
{
    static const ParticleFieldList<BlackHole> fields = []
    {
        auto list = NewParticleFields<BlackHole>();
        list.Add("m_Duration", &BlackHole::m_duration).NotInFiles().Panel("m_Duration");
        return list;
    }();
    return fields;
}
