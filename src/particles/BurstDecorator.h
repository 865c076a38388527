#pragma once

#include "particles/ParticleDecorator.h"
#include "particles/ParticleFieldList.h"

/// The burst family: a start speed drawn from two bounds, and particles that move by their
/// velocity every frame.
class BurstDecorator : public ParticleDecorator
{
  public:
    /// Keeps the previous position, then moves the position (the local one with "localPos") by
    /// velocity × frame time. Two bursts in one effect move a particle twice.
    void Update(Particle& particle, ParticleEmitter& emitter) override;

  protected:
    /// A random speed between the bounds with "m_randStartVel", else the lower bound.
    float DrawSpeed() const;

    /// Adds "m_velocityMin", "m_velocityMax" and "m_randStartVel".
    template <typename T> static void AddSpeedFields(ParticleFieldList<T>& list)
    {
        list.Add("m_velocityMin", static_cast<float T::*>(&BurstDecorator::m_velocityMin))
            .Panel("VelMin", TweakType::Float, " step=0.1 ");
        list.Add("m_velocityMax", static_cast<float T::*>(&BurstDecorator::m_velocityMax))
            .Panel("VelMax", TweakType::Float, " step=0.1 ");
        list.Add("m_randStartVel", static_cast<bool T::*>(&BurstDecorator::m_randStartVel))
            .Panel("RandomVel");
    }

    float m_velocityMin = 1.0f;
    float m_velocityMax = 1.0f;
    bool m_randStartVel = false;
};
