#include "particles/BurstDecorator.h"

#include "math/Random.h"
#include "particles/ParticleEmitter.h"

void BurstDecorator::Update(Particle& particle, ParticleEmitter& emitter)
{
    Vector4& moved = emitter.LocalPos() ? particle.localPosition : particle.position;
    particle.previousPosition = moved;
    // Only x, y and z move: a velocity may carry w = 1 (DirectionalVel), and a position keeps its w.
    const Vector4 step = particle.velocity * emitter.FrameTime();
    moved.x += step.x;
    moved.y += step.y;
    moved.z += step.z;
}

float BurstDecorator::DrawSpeed() const
{
    return m_randStartVel ? RandomRange(m_velocityMin, m_velocityMax) : m_velocityMin;
}
