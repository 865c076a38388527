#include "particles/SphereSpawner.h"

#include "particles/Particle.h"

#include "math/Random.h"

void SphereSpawner::Spawn(Particle& particle, ParticleEmitter& emitter)
{
    const float radius = DrawRadius(emitter);
    Vector4 position = RandomDirection() * radius;
    position.w = 1.0f;
    particle.localPosition = position;
}

const FieldSet<ParticleDecorator>& SphereSpawner::Fields() const
{
    static const ParticleFieldList<SphereSpawner> fields = []
    {
        auto list = NewParticleFields<SphereSpawner>();
        AddRadiusFields(list);
        return list;
    }();
    return fields;
}
