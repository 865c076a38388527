// Particles drawn on a real device: a sprite shows where its effect is and nowhere else.
#include "RenderFixture.h"
#include "graphics/GraphicsSystem.h"
#include "objects/FieldList.h"
#include "particles/ParticleComponent.h"
#include "particles/ParticleRenderer.h"

namespace
{
/// Paints every new particle solid red, two units across.
class TestPaint final : public ParticleDecorator
{
  public:
    const FieldSet<ParticleDecorator>& Fields() const override
    {
        static const FieldList<TestPaint, ParticleDecorator> fields("Decorator");
        return fields;
    }
    void Spawn(Particle& particle, ParticleEmitter& /*emitter*/) override
    {
        particle.colour = {1, 0, 0, 1};
        particle.size = 2.0f;
    }
};

using ParticleRenderTest = RenderFixture;
} // namespace

TEST_F(ParticleRenderTest, ASpriteIsDrawnAtItsEffectAndTheRestOfTheViewStaysClear)
{
    WriteTexture("white.png", {1, 1, 1, 1});
    m_root.Write("res/particleeffects/dot.xml",
                 "<ParticleEffect><string name=\"material\" value=\"ps_additive\"/>"
                 "<string name=\"texture\" value=\"white\"/><uint name=\"maxParticle\" value=\"1\"/>"
                 "<float name=\"spawnRate\" value=\"0\"/>"
                 "<Decorator><string name=\"name\" value=\"TestPaint\"/></Decorator></ParticleEffect>");
    ParticleEmitter::SetDecoratorFactory(
        [](const std::string& name) -> std::unique_ptr<ParticleDecorator>
        { return name == "TestPaint" ? std::make_unique<TestPaint>() : nullptr; });
    START_DEVICE_OR_SKIP();
    AimDefaultCamera({0, 0, 0, 1}, {0, 0, -1, 0});
    GameObject& object = AddObject({0, 0, -10, 1}, 1.0f, "", "", "");
    auto* particles =
        static_cast<ParticleComponent*>(object.AddComponent(std::make_unique<ParticleComponent>()));
    ASSERT_TRUE(particles->LoadEffect("dot"));
    particles->Initialize();
    particles->SpawnEffectNow("dot");

    const DecodedImage frame = Frame();
    const int w = frame.width, h = frame.height;
    EXPECT_TRUE(IsReddish(At(frame, w / 2, h / 2))) << "the sprite covers the middle of the view";
    EXPECT_FALSE(IsReddish(At(frame, w / 2 + h / 4, h / 2))) << "and is far smaller than the view";
    EXPECT_FALSE(IsReddish(At(frame, 5, 5)));
}
