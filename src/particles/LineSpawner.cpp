#include "particles/LineSpawner.h"

#include "gameplay/Controller.h"
#include "math/Random.h"
#include "objects/GameObject.h"
#include "particles/BehaviourSupport.h"
#include "particles/Particle.h"
#include "particles/ParticleEmitter.h"
#include "particles/ParticleFieldList.h"

void LineSpawner::Initialize(ParticleEmitter& emitter)
{
    if (!m_useObjScale)
        return;
    const Vector4 scale = OwnerScale(emitter);
    m_length = Length3(scale) * 0.5f;
    m_radius = scale.y * 0.5f;
}

void LineSpawner::Spawn(Particle& particle, ParticleEmitter& emitter)
{
    const Vector4 side = RandomDirection() * m_radius;
    const Vector4 along = Direction(emitter) * RandomRange(0.0f, m_length);
    Vector4 position = RandomInt(0, 100) < 51 ? side - along : side + along;
    position.w = 1.0f;
    particle.localPosition = m_useObjRotation ? OwnerRotation(emitter).Rotate(position) : position;
}

Vector4 LineSpawner::Direction(const ParticleEmitter& emitter) const
{
    const GameObject* owner = emitter.OwnerObject();
    const auto* controller = owner ? owner->Get<Controller>(ComponentType::Controller) : nullptr;
    return m_useFacing && controller ? controller->GetFacing() : m_dir;
}

const FieldSet<ParticleDecorator>& LineSpawner::Fields() const
{
    static const ParticleFieldList<LineSpawner> fields = []
    {
        auto list = NewParticleFields<LineSpawner>();
        list.Add("m_dir", &LineSpawner::m_dir).Panel("dir");
        list.Add("m_length", &LineSpawner::m_length).Panel("length");
        list.Add("m_radius", &LineSpawner::m_radius).Panel("radius");
        list.Add("m_useFacing", &LineSpawner::m_useFacing).Panel("Use Facing");
        list.Add("m_useObjScale", &LineSpawner::m_useObjScale).Panel("Obj Scale");
        list.Add("m_useObjRotation", &LineSpawner::m_useObjRotation).Panel("Obj Rotation");
        return list;
    }();
    return fields;
}
