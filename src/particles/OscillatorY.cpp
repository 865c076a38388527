#include "particles/OscillatorY.h"

#include "particles/Particle.h"
#include "particles/ParticleEmitter.h"

void OscillatorY::Update(Particle& particle, ParticleEmitter& emitter)
{
    const float offset = Advance(particle, emitter.FrameTime());
    if (emitter.LocalPos())
        particle.localPosition.y = offset;
    particle.position.y = particle.localPosition.y + offset;
}

const FieldSet<ParticleDecorator>& OscillatorY::Fields() const
{
    static const ParticleFieldList<OscillatorY> fields = []
    {
        auto list = NewParticleFields<OscillatorY>();
        AddWaveFields(list);
        return list;
    }();
    return fields;
}
