#include "particles/RingXYSpawner.h"

#include "particles/Particle.h"

#include "particles/BehaviourSupport.h"

#include <cmath>

void RingXYSpawner::Spawn(Particle& particle, ParticleEmitter& emitter)
{
    const float angle = RandomFullTurn();
    const float radius = DrawRadius(emitter);
    const Vector4 position{std::cos(angle) * radius, std::sin(angle) * radius, 0.0f, 1.0f};
    particle.localPosition = WithOwnerRotation(position, emitter);
}

const FieldSet<ParticleDecorator>& RingXYSpawner::Fields() const
{
    static const ParticleFieldList<RingXYSpawner> fields = []
    {
        auto list = NewParticleFields<RingXYSpawner>();
        AddRadiusFields(list);
        return list;
    }();
    return fields;
}
