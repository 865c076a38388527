// The component's effects by name, its file form, the script-facing operations, and its place in
// the renderer's registry.
#include "particles/ParticleComponent.h"
#include "graphics/Camera.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "particles/ParticleRenderer.h"
#include "particles/TestBehaviours.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
const char* const kPuff = "<ParticleEffect><float name=\"spawnRate\" value=\"0\"/>"
                          "<uint name=\"maxParticle\" value=\"6\"/><uint name=\"spawnNum\" value=\"2\"/>"
                          "<Decorator><string name=\"name\" value=\"TestNudge\"/></Decorator>"
                          "<Decorator><string name=\"name\" value=\"Color\"/></Decorator></ParticleEffect>";

std::string Written(const ParticleComponent& component)
{
    XmlFile file;
    component.Serialize(file, file.CreateRoot("Components"), false);
    tinyxml2::XMLPrinter printer;
    file.GetDocument().Print(&printer);
    return printer.CStr();
}

bool IsRegistered(const ParticleComponent* component)
{
    const auto& all = ParticleRenderer::Instance().Components();
    return std::find(all.begin(), all.end(), component) != all.end();
}

class ParticleComponentTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        UseTestBehaviours();
        m_root.Write("res/particleeffects/puff.xml", kPuff);
        m_root.Write("res/particleeffects/glow.xml", "<ParticleEffect/>");
    }

    TempFolder m_root;
    ScopedWorkingDirectory m_cwd{m_root.Path()};
};
} // namespace

TEST_F(ParticleComponentTest, EffectsLoadOnceByNameAndAMissingFileIsSaidInOneLine)
{
    ParticleComponent particles;
    EXPECT_TRUE(particles.LoadEffect("puff"));
    m_root.Write("res/particleeffects/puff.xml",
                 "<ParticleEffect><uint name=\"spawnNum\" value=\"5\"/></ParticleEffect>");
    EXPECT_FALSE(particles.LoadEffect("puff"));
    ASSERT_EQ(particles.Effects().size(), 1u);
    EXPECT_EQ(particles.FindEffect("puff")->SpawnNum(), 2u) << "the first one loaded stays";

    bool loaded = true;
    const std::string said = CaptureStdout([&] { loaded = particles.LoadEffect("nothere"); });
    EXPECT_FALSE(loaded);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("nothere.xml"), std::string::npos);
    m_root.Write("res/particleeffects/broken.xml", "<ParticleEffect><float");
    CaptureStdout([&] { loaded = particles.LoadEffect("broken"); });
    EXPECT_FALSE(loaded);
    EXPECT_EQ(particles.Effects().size(), 1u);
}

TEST_F(ParticleComponentTest, TheFileFormKeepsNamesAndActiveStatesAndClonesReloadFromFiles)
{
    XmlFile file = XmlFile::FromText(
        "<ParticleComponent>"
        "<string name=\"effect\" value=\"puff\"><bool name=\"activeState\" value=\"0\"/></string>"
        "<string name=\"effect\" value=\"glow\"/>"
        "<string name=\"effect\" value=\"puff\"/>"
        "</ParticleComponent>");
    ParticleComponent particles;
    particles.Deserialize(file, file.GetRoot());
    ASSERT_EQ(particles.Effects().size(), 2u);
    EXPECT_FALSE(particles.FindEffect("puff")->IsActive());
    EXPECT_TRUE(particles.FindEffect("glow")->IsActive());

    const std::string written = Written(particles);
    XmlFile again = XmlFile::FromText(written);
    ParticleComponent back;
    back.Deserialize(again, again.GetRoot()->FirstChildElement());
    EXPECT_EQ(Written(back), written);

    std::unique_ptr<Component> clone = particles.Clone();
    EXPECT_EQ(Written(static_cast<ParticleComponent&>(*clone)), written);
    EXPECT_EQ(static_cast<ParticleComponent&>(*clone).FindEffect("puff")->Decorators().size(), 2u);
}

TEST_F(ParticleComponentTest, ScriptOperationsSwitchBurstAndRecolourNamedEffects)
{
    ParticleComponent particles;
    particles.LoadEffect("puff");
    particles.LoadEffect("glow");
    ParticleEmitter& puff = *particles.FindEffect("puff");

    puff.Spawn(1);
    EXPECT_TRUE(particles.SpawnEffectNow("puff"));
    EXPECT_EQ(puff.Particles().size(), 6u) << "emptied, then the whole pool at once";
    EXPECT_FALSE(particles.SpawnEffectNow("nothing"));

    EXPECT_TRUE(particles.SetEffectActive("puff", false));
    EXPECT_FALSE(puff.IsActive());
    particles.SetAllEffectsActive(false);
    EXPECT_FALSE(particles.FindEffect("glow")->IsActive());
    particles.SetAllEffectsActive(true);
    EXPECT_TRUE(puff.IsActive());

    EXPECT_TRUE(particles.ChangeEffectColor("puff", {1, 0, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 0}));
    auto* colour = static_cast<TestColour*>(puff.FindDecorator(ParticleComponent::kColorBehaviourType));
    EXPECT_EQ(colour->m_startColor, (Vector4{1, 0, 0, 1}));
    EXPECT_EQ(colour->m_middleColor, (Vector4{0, 1, 0, 1}));
    EXPECT_EQ(colour->m_endColor, (Vector4{0, 0, 1, 0}));
    particles.SpawnEffectNow("puff");
    EXPECT_EQ(puff.Particles()[0].colour, (Vector4{1, 0, 0, 1}));
    EXPECT_FALSE(particles.ChangeEffectColor("glow", {}, {}, {})) << "no colour behaviour to change";
}

TEST_F(ParticleComponentTest, TheRendererForgetsAComponentWhoseOwnerIsDestroyedWhileItsParticlesLive)
{
    auto owner = std::make_unique<GameObject>("ball", 7);
    owner->AddComponent(std::make_unique<Transform>());
    auto* particles =
        static_cast<ParticleComponent*>(owner->AddComponent(std::make_unique<ParticleComponent>()));
    particles->LoadEffect("puff");
    particles->Initialize();
    ParticleComponent other;
    other.Initialize();
    particles->SpawnEffectNow("puff");
    ASSERT_TRUE(IsRegistered(particles));
    ParticleRenderer::Instance().UpdateParticles();

    owner.reset();
    EXPECT_FALSE(IsRegistered(particles));
    EXPECT_TRUE(IsRegistered(&other)) << "the last one moved into the gap";
    ParticleRenderer::Instance().UpdateParticles();
}

TEST(ParticleRenderer, CullingDropsEffectsBehindTheCameraOrBeyondAThousandUnits)
{
    GameObject owner("ball", 1);
    auto* transform = static_cast<Transform*>(owner.AddComponent(std::make_unique<Transform>()));
    ParticleEmitter effect("e");
    effect.SetOwnerObject(&owner);
    const Vector4 eye{0, 0, 0, 1};
    const Vector4 forward{0, 0, -1, 0};

    transform->SetPosition({0, 0, -10, 1});
    EXPECT_FALSE(ParticleRenderer::IsCulled(effect, eye, forward));
    transform->SetPosition({0, 0, 10, 1});
    EXPECT_TRUE(ParticleRenderer::IsCulled(effect, eye, forward)) << "behind";
    transform->SetPosition({0, 0, -1001, 1});
    EXPECT_TRUE(ParticleRenderer::IsCulled(effect, eye, forward)) << "too far";
    transform->SetPosition({0, 0, -999, 1});
    EXPECT_FALSE(ParticleRenderer::IsCulled(effect, eye, forward));

    XmlFile file = XmlFile::FromText("<e><bool name=\"m_useCulling\" value=\"0\"/></e>");
    effect.Deserialize(file.GetRoot());
    transform->SetPosition({0, 0, 10, 1});
    EXPECT_FALSE(ParticleRenderer::IsCulled(effect, eye, forward)) << "culling switched off";
}
