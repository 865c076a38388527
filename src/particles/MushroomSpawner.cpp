#include "particles/MushroomSpawner.h"

#include "particles/BehaviourSupport.h"
#include "particles/Particle.h"
#include "particles/ParticleFieldList.h"

#include <cmath>

void MushroomSpawner::Spawn(Particle& particle, ParticleEmitter& /*emitter*/)
{
    const float angle = RandomFullTurn();
    particle.mushroomAngle = angle;
    particle.localPosition = {std::cos(angle) * m_radiusStart, m_yStart, std::sin(angle) * m_radiusStart,
                              1.0f};
}

void MushroomSpawner::Update(Particle& particle, ParticleEmitter& /*emitter*/)
{
    // Held to [0, 1] so an endless particle (lifetime 0) does not fly off to infinity.
    const float t = UnitClamp(particle.normalisedAge);
    const float radius = t < 0.5f ? Lerp(m_radiusStart, m_radiusMiddle, UnitClamp(2.0f * t))
                                  : Lerp(m_radiusMiddle, m_radiusEnd, UnitClamp((t - 0.5f) * 2.0f));
    const float angle = particle.mushroomAngle;
    particle.localPosition = {std::cos(angle) * radius, Lerp(m_yStart, m_yEnd, t), std::sin(angle) * radius,
                              1.0f};
}

const FieldSet<ParticleDecorator>& MushroomSpawner::Fields() const
{
    static const ParticleFieldList<MushroomSpawner> fields = []
    {
        auto list = NewParticleFields<MushroomSpawner>();
        list.Add("m_yStart", &MushroomSpawner::m_yStart).Panel("Start Hieght");
        list.Add("m_yEnd", &MushroomSpawner::m_yEnd).Panel("End Hieght");
        list.Add("m_radiusStart", &MushroomSpawner::m_radiusStart).Panel("Start Radius");
        list.Add("m_radiusMiddle", &MushroomSpawner::m_radiusMiddle).Panel("Middle Radius");
        list.Add("m_radiusEnd", &MushroomSpawner::m_radiusEnd).Panel("End Radius");
        return list;
    }();
    return fields;
}
