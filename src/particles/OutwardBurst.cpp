#include "particles/OutwardBurst.h"

#include "particles/Particle.h"

void OutwardBurst::Spawn(Particle& particle, ParticleEmitter& /*emitter*/)
{
    // w is cleared first so the direction is the spawn offset alone.
    particle.localPosition.w = 0.0f;
    particle.velocity += particle.localPosition.Normalized() * DrawSpeed();
}

const FieldSet<ParticleDecorator>& OutwardBurst::Fields() const
{
    static const ParticleFieldList<OutwardBurst> fields = []
    {
        auto list = NewParticleFields<OutwardBurst>();
        AddSpeedFields(list);
        return list;
    }();
    return fields;
}
