#pragma once

#include "particles/ParticleDecorator.h"
#include "particles/ParticleFieldList.h"

/// A wave a particle rides: its timer runs through one wave time again and again, and the wave's
/// offset is a sine of the progress. Not an effect behaviour by itself; OscillatorY applies it.
class Oscillator : public ParticleDecorator
{
  public:
    /// Starts the particle's wave at its beginning.
    void Spawn(Particle& particle, ParticleEmitter& emitter) override;

  protected:
    /// Advances the particle's timer by `dt` and returns the wave's offset now.
    float Advance(Particle& particle, float dt) const;

    /// Adds "m_waveTime", "m_amplitude" and "m_strideLength".
    template <typename T> static void AddWaveFields(ParticleFieldList<T>& list)
    {
        list.Add("m_waveTime", static_cast<float T::*>(&Oscillator::m_waveTime))
            .Panel("Wave Time", TweakType::Float, " min=0 step=0.5 ");
        list.Add("m_amplitude", static_cast<float T::*>(&Oscillator::m_amplitude)).Panel("Amplitude");
        list.Add("m_strideLength", static_cast<float T::*>(&Oscillator::m_strideLength)).Panel("Stride");
    }

    float m_waveTime = 1.0f;
    float m_amplitude = 1.0f;
    float m_strideLength = 1.0f;
};
