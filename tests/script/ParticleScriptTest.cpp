// The particle functions of the script library, on an object with two effects.
#include "ScriptWorld.h"
#include "objects/FieldList.h"
#include "particles/ParticleComponent.h"

#include <gtest/gtest.h>

namespace
{
/// Stands in for the colour behaviour: it only keeps its three colours.
class ScriptTestColour final : public ParticleDecorator
{
  public:
    const FieldSet<ParticleDecorator>& Fields() const override
    {
        static const FieldList<ScriptTestColour, ParticleDecorator> fields = []
        {
            FieldList<ScriptTestColour, ParticleDecorator> list("Decorator");
            list.Add("m_startColor", &ScriptTestColour::m_startColor);
            list.Add("m_middleColor", &ScriptTestColour::m_middleColor);
            list.Add("m_endColor", &ScriptTestColour::m_endColor);
            return list;
        }();
        return fields;
    }
    Vector4 m_startColor, m_middleColor, m_endColor;
};

ParticleComponent& ParticlesOf(GameObject* object)
{
    return *object->Get<ParticleComponent>(ComponentType::ParticleComponent);
}
} // namespace

TEST(ParticleScript, EffectsAreSwitchedBurstAndRecolouredByName)
{
    ParticleEmitter::SetDecoratorFactory(
        [](const std::string& name) -> std::unique_ptr<ParticleDecorator>
        {
            if (name != "Color")
                return nullptr;
            auto colour = std::make_unique<ScriptTestColour>();
            colour->SetType(ParticleComponent::kColorBehaviourType);
            return colour;
        });
    ScriptWorld world;
    GameObject* sparkler = world.Create("Sparkler");
    GameObject* probe = world.Create("Probe");
    ASSERT_NE(sparkler, nullptr);
    ParticleComponent& particles = ParticlesOf(sparkler);
    const std::string me = "local s = GetObjectByID(" + std::to_string(sparkler->GetID()) + ")\n";

    ScriptWorld::Eval(
        probe, me + "SetParticleEffectActive(s, 'smoke', true) SetParticleEffectActive(s, 'sparks', false)");
    EXPECT_TRUE(particles.FindEffect("smoke")->IsActive());
    EXPECT_FALSE(particles.FindEffect("sparks")->IsActive());

    ScriptWorld::Eval(probe, me + "SpawnParticleEffectNow(s, 'sparks')");
    EXPECT_EQ(particles.FindEffect("sparks")->Particles().size(), 9u);

    ScriptWorld::Eval(probe,
                      me + "ChangeParticleEffectColor(s, 'sparks', 1, 0, 0, 1,  0, 1, 0, 0.5,  0, 0, 1, 0)");
    auto* colour = static_cast<ScriptTestColour*>(
        particles.FindEffect("sparks")->FindDecorator(ParticleComponent::kColorBehaviourType));
    ASSERT_NE(colour, nullptr);
    EXPECT_EQ(colour->m_startColor, (Vector4{1, 0, 0, 1}));
    EXPECT_EQ(colour->m_middleColor, (Vector4{0, 1, 0, 0.5f}));
    EXPECT_EQ(colour->m_endColor, (Vector4{0, 0, 1, 0}));

    // Unknown effects, objects without the component and junk change nothing and raise nothing.
    EXPECT_EQ(ScriptWorld::Eval(probe, me + "SpawnParticleEffectNow(s, 'nothing') "
                                            "SetParticleEffectActive(me, 'sparks', true) "
                                            "ChangeParticleEffectColor(s, {}, 'x') return 1"),
              "1");
    EXPECT_FALSE(particles.FindEffect("sparks")->IsActive());
}
