#include "particles/PointExplosion.h"

#include "particles/BehaviourSupport.h"
#include "particles/Particle.h"

#include <cmath>

void PointExplosion::Spawn(Particle& particle, ParticleEmitter& /*emitter*/)
{
    const float theta = RandomHalfTurn();
    const float phi = RandomFullTurn();
    const float speed = DrawSpeed();
    const float ring = std::sin(theta);
    particle.velocity = Vector4{ring * std::cos(phi), ring * std::sin(phi), std::cos(theta), 0.0f} * speed;
}

const FieldSet<ParticleDecorator>& PointExplosion::Fields() const
{
    static const ParticleFieldList<PointExplosion> fields = []
    {
        auto list = NewParticleFields<PointExplosion>();
        AddSpeedFields(list);
        return list;
    }();
    return fields;
}
