#include "particles/UpwardBurst.h"

#include "particles/Particle.h"

void UpwardBurst::Spawn(Particle& particle, ParticleEmitter& /*emitter*/)
{
    particle.localPosition.w = 1.0f;
    particle.velocity.y += DrawSpeed();
}

const FieldSet<ParticleDecorator>& UpwardBurst::Fields() const
{
    static const ParticleFieldList<UpwardBurst> fields = []
    {
        auto list = NewParticleFields<UpwardBurst>();
        AddSpeedFields(list);
        return list;
    }();
    return fields;
}
