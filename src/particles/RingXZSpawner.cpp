#include "particles/RingXZSpawner.h"

#include "particles/Particle.h"

#include "particles/BehaviourSupport.h"
#include "particles/ParticleEmitter.h"

#include <cmath>

void RingXZSpawner::Spawn(Particle& particle, ParticleEmitter& emitter)
{
    const float angle = RandomFullTurn();
    const float radius = DrawRadius(emitter);
    const Vector4 position{std::cos(angle) * radius, 0.0f, std::sin(angle) * radius, 1.0f};
    particle.localPosition = WithOwnerRotation(emitter.Orientation().Rotate(position), emitter);
}

const FieldSet<ParticleDecorator>& RingXZSpawner::Fields() const
{
    static const ParticleFieldList<RingXZSpawner> fields = []
    {
        auto list = NewParticleFields<RingXZSpawner>();
        AddRadiusFields(list);
        return list;
    }();
    return fields;
}
