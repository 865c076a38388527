#include "particles/Oscillator.h"

#include "math/GameConstants.h"
#include "particles/Particle.h"

#include <cmath>

void Oscillator::Spawn(Particle& particle, ParticleEmitter& /*emitter*/)
{
    particle.oscillationTimer = 0.0f;
}

float Oscillator::Advance(Particle& particle, float dt) const
{
    particle.oscillationTimer += dt;
    // A wave time of zero would divide by zero: every frame then ends a wave.
    float progress = m_waveTime > kEpsilon ? particle.oscillationTimer / m_waveTime : 1.0f;
    if (progress >= 1.0f)
    {
        progress = 1.0f;
        particle.oscillationTimer = 0.0f;
    }
    return std::sin(progress * m_strideLength * 2.0f * kGamePi) * m_amplitude;
}
