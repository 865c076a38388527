#include "particles/DirectionalVel.h"

#include "particles/BehaviourSupport.h"
#include "particles/Particle.h"

void DirectionalVel::Initialize(ParticleEmitter& emitter)
{
    if (m_useObjOrient)
        m_dir = OwnerRotation(emitter).Rotate({0.0f, 0.0f, 1.0f, 0.0f});
}

void DirectionalVel::Spawn(Particle& particle, ParticleEmitter& /*emitter*/)
{
    particle.velocity += m_dir * DrawSpeed();
    particle.velocity.w = 1.0f;
}

const FieldSet<ParticleDecorator>& DirectionalVel::Fields() const
{
    static const ParticleFieldList<DirectionalVel> fields = []
    {
        auto list = NewParticleFields<DirectionalVel>();
        AddSpeedFields(list);
        list.Add("m_useObjOrient", &DirectionalVel::m_useObjOrient).Panel("Use Obj Rotation");
        list.Add("m_dir", &DirectionalVel::m_dir).Panel("Dir");
        return list;
    }();
    return fields;
}
