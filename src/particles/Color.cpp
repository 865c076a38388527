#include "particles/Color.h"

#include "math/GameConstants.h"
#include "math/Random.h"
#include "particles/BehaviourSupport.h"
#include "particles/Particle.h"
#include "particles/ParticleFieldList.h"

void Color::SetColours(const Vector4& start, const Vector4& middle, const Vector4& end)
{
    m_startColor = start;
    m_middleColor = middle;
    m_endColor = end;
}

void Color::Spawn(Particle& particle, ParticleEmitter& /*emitter*/)
{
    Vector4 colour = m_startColor;
    if (m_randStartColor)
        for (int i = 0; i < 4; ++i)
            colour[i] = RandomRange(m_startColor[i], m_endColor[i]);
    particle.colour = colour;
    particle.startColour = colour;
}

void Color::Update(Particle& particle, ParticleEmitter& /*emitter*/)
{
    const float t = Progress(particle);
    // Also false for a progress that is not a number (an age over a zero lifetime).
    if (!(t <= 1.0f) || (!m_lerpColor && !m_middleLerp))
        return;
    if (!m_lerpColor)
        particle.colour = Lerp(particle.startColour, m_endColor, t);
    else if (t <= 0.5f)
        particle.colour = Lerp(particle.startColour, m_middleColor, 2.0f * t);
    else if (m_middleLerp)
        particle.colour = Lerp(m_middleColor, m_endColor, (t - 0.5f) * 2.0f);
}

float Color::Progress(const Particle& particle) const
{
    if (m_useLifeTime)
        return particle.normalisedAge;
    // A change time of zero is a change that is over at once.
    return m_timeToChange > kEpsilon ? particle.age / m_timeToChange : 1.0f;
}

const FieldSet<ParticleDecorator>& Color::Fields() const
{
    static const ParticleFieldList<Color> fields = []
    {
        auto list = NewParticleFields<Color>();
        list.Add("m_startColor", &Color::m_startColor).Panel("Start", TweakType::Color4);
        list.Add("m_middleColor", &Color::m_middleColor).Panel("Middle", TweakType::Color4);
        list.Add("m_endColor", &Color::m_endColor).Panel("End", TweakType::Color4);
        list.Add("m_timeToChange", &Color::m_timeToChange)
            .Panel("Time to Change", TweakType::Float, " step=0.1 ");
        list.Add("m_useLifeTime", &Color::m_useLifeTime).Panel("Use LifeTime");
        list.Add("m_randStartColor", &Color::m_randStartColor).Panel("Random Start");
        list.Add("m_lerpColor", &Color::m_lerpColor).Panel("LerpToMiddle");
        list.Add("m_middleLerp", &Color::m_middleLerp).Panel("LerpToEnd");
        return list;
    }();
    return fields;
}
