#include "particles/RadiusSpawner.h"

#include "math/Random.h"
#include "particles/BehaviourSupport.h"

float RadiusSpawner::DrawRadius(const ParticleEmitter& emitter)
{
    // The owner's size overwrites the setting itself, so the panel shows the radius in use.
    if (m_useObjScale)
        (m_filled ? m_maxRadius : m_minRadius) = Length3(OwnerScale(emitter));
    return m_filled ? RandomRangeFine(m_minRadius, m_maxRadius) : m_minRadius;
}

Vector4 RadiusSpawner::WithOwnerRotation(const Vector4& v, const ParticleEmitter& emitter) const
{
    return m_useObjRotation ? OwnerRotation(emitter).Rotate(v) : v;
}
