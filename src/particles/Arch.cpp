#include "particles/Arch.h"

#include "particles/BehaviourSupport.h"
#include "particles/Particle.h"
#include "particles/ParticleEmitter.h"
#include "particles/ParticleFieldList.h"

#include <cmath>

void Arch::Initialize(ParticleEmitter& emitter)
{
    const Vector4 scale = OwnerScale(emitter);
    m_alongX = scale.x > scale.z;
    m_radius = (m_alongX ? scale.x : scale.z) * 0.5f;
    m_height = scale.y;
    Vector4 offset = emitter.Offset();
    offset.y = scale.y * -0.5f;
    emitter.SetOffset(offset);
}

void Arch::Spawn(Particle& particle, ParticleEmitter& emitter)
{
    const float angle = RandomHalfTurn();
    const float across = std::cos(angle) * m_radius;
    const float up = std::sin(angle) * m_height;
    const Vector4 position = m_alongX ? Vector4{across, up, 0.0f, 1.0f} : Vector4{0.0f, up, across, 1.0f};
    particle.localPosition = emitter.Orientation().Rotate(position);
}

const FieldSet<ParticleDecorator>& Arch::Fields() const
{
    static const ParticleFieldList<Arch> fields = []
    {
        auto list = NewParticleFields<Arch>();
        list.Add("a", &Arch::m_radius).NotInFiles().Panel("a");
        list.Add("b", &Arch::m_height).NotInFiles().Panel("b");
        list.Add("useXaxis", &Arch::m_alongX).NotInFiles().Panel("Use Xaxis");
        return list;
    }();
    return fields;
}
