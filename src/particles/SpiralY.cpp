#include "particles/SpiralY.h"

#include "math/GameConstants.h"
#include "math/Random.h"
#include "particles/BehaviourSupport.h"
#include "particles/Particle.h"
#include "particles/ParticleEmitter.h"
#include "particles/ParticleFieldList.h"

#include <cmath>

namespace
{
constexpr float kFullCircle = 360.0f;
} // namespace

void SpiralY::Spawn(Particle& particle, ParticleEmitter& /*emitter*/)
{
    particle.spiralStartHeight = m_randYstart ? RandomRange(m_yStart, m_yEnd) : m_yStart;
    particle.spiralRadius = m_randRadiusStart ? RandomRange(m_radiusStart, m_radiusEnd) : m_radiusStart;
    particle.spiralAngle = DrawStep();
}

void SpiralY::Update(Particle& particle, ParticleEmitter& emitter)
{
    particle.spiralAngle += DrawStep();
    if (particle.spiralAngle > kFullCircle)
        particle.spiralAngle -= kFullCircle;
    const float height = Lerp(particle.spiralStartHeight, m_yEnd, UnitClamp(particle.normalisedAge));
    const float radians = particle.spiralAngle / 180.0f * kGamePi;
    Vector4 onCircle =
        Vector4{std::cos(radians), 0.0f, std::sin(radians), 0.0f}.Normalized() * particle.spiralRadius;
    onCircle.y = height;
    onCircle.w = 1.0f;
    if (!emitter.LocalPos())
    {
        particle.position = OwnerPosition(emitter) + onCircle;
        particle.position.w = 1.0f;
    }
    particle.localPosition = onCircle;
}

float SpiralY::DrawStep() const
{
    return m_randXZstep ? RandomRange(m_xzStepMin, m_xzStepMax) : m_xzStepMin;
}

const FieldSet<ParticleDecorator>& SpiralY::Fields() const
{
    static const ParticleFieldList<SpiralY> fields = []
    {
        auto list = NewParticleFields<SpiralY>();
        list.Add("m_xzStepMin", &SpiralY::m_xzStepMin).Panel("XZ_StepMin");
        list.Add("m_xzStepMax", &SpiralY::m_xzStepMax).Panel("XZ_StepMax");
        list.Add("m_yStart", &SpiralY::m_yStart).Panel("HeightStart");
        list.Add("m_yEnd", &SpiralY::m_yEnd).Panel("HeightEnd");
        list.Add("m_radiusStart", &SpiralY::m_radiusStart).Panel("RadiusStart");
        list.Add("m_radiusEnd", &SpiralY::m_radiusEnd).Panel("RadiusEnd");
        list.Add("m_randRadiusStart", &SpiralY::m_randRadiusStart).Panel("Random_RadiusStart");
        list.Add("m_randXZstep", &SpiralY::m_randXZstep).Panel("Random_XZStep");
        list.Add("m_randYstart", &SpiralY::m_randYstart).Panel("Random_YStep");
        return list;
    }();
    return fields;
}
