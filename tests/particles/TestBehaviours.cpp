#include "particles/TestBehaviours.h"

#include "objects/FieldList.h"

#include <cmath>
#include <limits>

const FieldSet<ParticleDecorator>& TestNudge::Fields() const
{
    static const FieldList<TestNudge, ParticleDecorator> fields = []
    {
        FieldList<TestNudge, ParticleDecorator> list("Decorator");
        list.Add("m_step", &TestNudge::m_step).Panel("step", TweakType::Vector4);
        return list;
    }();
    return fields;
}

void TestNudge::Spawn(Particle& particle, ParticleEmitter& /*emitter*/)
{
    particle.localPosition = m_step;
    particle.colour = {1, 1, 1, 1};
    if (!lives.empty())
        particle.lifetime = lives[nextLife++ % lives.size()];
}

void TestNudge::Update(Particle& /*particle*/, ParticleEmitter& /*emitter*/)
{
    ++updates;
}

const FieldSet<ParticleDecorator>& TestPoison::Fields() const
{
    static const FieldList<TestPoison, ParticleDecorator> fields = []
    {
        FieldList<TestPoison, ParticleDecorator> list("Decorator");
        list.Add("m_poisonAge", &TestPoison::m_poisonAge);
        return list;
    }();
    return fields;
}

void TestPoison::Spawn(Particle& particle, ParticleEmitter& /*emitter*/)
{
    if (m_poisonAge <= 0.0f)
        particle.size = std::numeric_limits<float>::infinity();
}

void TestPoison::Update(Particle& particle, ParticleEmitter& /*emitter*/)
{
    if (particle.age > m_poisonAge)
        particle.position.x = std::nanf("");
}

const FieldSet<ParticleDecorator>& TestColour::Fields() const
{
    static const FieldList<TestColour, ParticleDecorator> fields = []
    {
        FieldList<TestColour, ParticleDecorator> list("Decorator");
        list.Add("m_startColor", &TestColour::m_startColor);
        list.Add("m_middleColor", &TestColour::m_middleColor);
        list.Add("m_endColor", &TestColour::m_endColor);
        return list;
    }();
    return fields;
}

void TestColour::Spawn(Particle& particle, ParticleEmitter& /*emitter*/)
{
    particle.colour = m_startColor;
}

void UseTestBehaviours()
{
    TestNudge::lives.clear();
    TestNudge::nextLife = 0;
    TestNudge::updates = 0;
    ParticleEmitter::SetDecoratorFactory(
        [](const std::string& name) -> std::unique_ptr<ParticleDecorator>
        {
            std::unique_ptr<ParticleDecorator> made;
            uint32_t type = 0;
            if (name == "TestNudge")
                made = std::make_unique<TestNudge>();
            else if (name == "TestPoison")
                made = std::make_unique<TestPoison>(), type = 1;
            else if (name == "Color")
                made = std::make_unique<TestColour>(), type = 15;
            if (made)
                made->SetType(type);
            return made;
        });
}
