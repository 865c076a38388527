// The emitter's pool, clock and removal rules, and how it reads its effect file.
#include "particles/ParticleEmitter.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "particles/TestBehaviours.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
constexpr float kDt = 0.25f;

/// An emitter read from an effect file's text (the root's children).
std::unique_ptr<ParticleEmitter> Read(const std::string& children)
{
    auto emitter = std::make_unique<ParticleEmitter>("test");
    XmlFile file = XmlFile::FromText("<ParticleEffect>" + children + "</ParticleEffect>");
    emitter->Deserialize(file.GetRoot());
    return emitter;
}

std::string Float(const char* name, const char* value)
{
    return std::string("<float name=\"") + name + "\" value=\"" + value + "\"/>";
}

std::string UInt(const char* name, const char* value)
{
    return std::string("<uint name=\"") + name + "\" value=\"" + value + "\"/>";
}

std::string Behaviour(const char* name, const std::string& fields = "")
{
    return std::string("<Decorator><string name=\"name\" value=\"") + name + "\"/>" + fields + "</Decorator>";
}

std::string Text(const ParticleEmitter& emitter)
{
    XmlFile file;
    emitter.Serialize(file, file.CreateRoot("ParticleEffect"));
    tinyxml2::XMLPrinter printer;
    file.GetDocument().Print(&printer);
    return printer.CStr();
}

class ParticleEmitterTest : public ::testing::Test
{
  protected:
    void SetUp() override { UseTestBehaviours(); }
};
} // namespace

TEST_F(ParticleEmitterTest, TheClockSpawnsSpawnNumEverySpawnRateSecondsUpToThePool)
{
    auto emitter = Read(Float("spawnRate", "0.5") + UInt("spawnNum", "10") + UInt("maxParticle", "5"));
    emitter->Update(kDt);
    EXPECT_TRUE(emitter->Particles().empty()) << "the clock has not reached the rate yet";
    emitter->Update(kDt);
    EXPECT_EQ(emitter->Particles().size(), 5u) << "ten asked for, five fit";
    EXPECT_FALSE(emitter->Spawn(1)) << "a full pool refuses";

    auto still = Read(Float("spawnRate", "0") + UInt("maxParticle", "7"));
    for (int i = 0; i < 100; ++i)
        still->Update(kDt);
    EXPECT_TRUE(still->Particles().empty()) << "spawnRate 0 never spawns on the clock";
    EXPECT_TRUE(still->Spawn(still->MaxParticles()));
    EXPECT_EQ(still->Particles().size(), 7u) << "but can be filled at once";

    auto inactive = Read("<bool name=\"active\" value=\"0\"/>" + Float("spawnRate", "0.1"));
    for (int i = 0; i < 10; ++i)
        inactive->Update(kDt);
    EXPECT_TRUE(inactive->Particles().empty());
}

TEST_F(ParticleEmitterTest, LifetimeRulesAndRemovalThatExaminesTheMovedParticle)
{
    // Slots 0, 2 and 3 die; each removal moves the last one in, which must be looked at too.
    TestNudge::lives = {0.1f, 5.0f, 0.1f, 0.1f};
    auto emitter = Read(Float("spawnRate", "0") + Behaviour("TestNudge"));
    emitter->Spawn(4);
    emitter->Update(kDt);
    ASSERT_EQ(emitter->Particles().size(), 1u);
    EXPECT_EQ(emitter->Particles()[0].lifetime, 5.0f);
    EXPECT_EQ(emitter->Particles()[0].age, kDt) << "aged once, not twice";
    EXPECT_EQ(TestNudge::updates, 1) << "only the survivor is updated";

    // A lifetime of zero (or below) never ends, and its normalised age stays finite.
    TestNudge::lives = {0.0f, -1.0f};
    emitter->Clear();
    emitter->Spawn(2);
    for (int i = 0; i < 400; ++i)
        emitter->Update(kDt);
    ASSERT_EQ(emitter->Particles().size(), 2u);
    for (const Particle& particle : emitter->Particles())
        EXPECT_EQ(particle.normalisedAge, 0.0f);

    // Deactivated with a default lifetime of zero, the effect empties at once.
    emitter->SetActive(false);
    emitter->Update(kDt);
    EXPECT_EQ(emitter->Particles().size(), 2u) << "a default lifetime of 1 keeps them";
    emitter->SetDefaultLifetime(0.0f);
    emitter->Update(kDt);
    EXPECT_TRUE(emitter->Particles().empty());
}

TEST_F(ParticleEmitterTest, ParticlesStartAtTheOwnerPlusOffsetAndFollowItWithLocalPos)
{
    GameObject owner("owner", 1);
    auto transform = std::make_unique<Transform>();
    transform->SetPosition({10, 0, 0, 1});
    Transform* placed = transform.get();
    owner.AddComponent(std::move(transform));

    const std::string offset = "<Vector4 name=\"offset\"><float value=\"0\"/><float value=\"1\"/>"
                               "<float value=\"0\"/><float value=\"0\"/></Vector4>";
    const std::string step = "<Vector4 name=\"m_step\"><float value=\"2\"/><float value=\"0\"/>"
                             "<float value=\"0\"/><float value=\"0\"/></Vector4>";
    auto world = Read(offset + Float("spawnRate", "0") + Behaviour("TestNudge", step));
    auto local = Read(offset + "<bool name=\"localPos\" value=\"1\"/>" + Float("spawnRate", "0") +
                      Behaviour("TestNudge", step));
    world->SetOwnerObject(&owner);
    local->SetOwnerObject(&owner);
    world->Spawn(1);
    local->Spawn(1);
    EXPECT_EQ(world->Particles()[0].position, (Vector4{12, 1, 0, 1}));
    EXPECT_EQ(world->Particles()[0].localPosition, (Vector4{12, 1, 0, 1})) << "kept in world space";
    EXPECT_EQ(local->Particles()[0].localPosition, (Vector4{2, 1, 0, 0}));

    placed->SetPosition({0, 5, 0, 1});
    world->Update(kDt);
    local->Update(kDt);
    EXPECT_EQ(world->Particles()[0].position, (Vector4{12, 1, 0, 1})) << "left where it was born";
    EXPECT_EQ(local->Particles()[0].position, (Vector4{2, 7, 0, 1})) << "owner + local + offset";

    // An owner without a Transform stands at the origin.
    GameObject bare("bare", 2);
    auto loose = Read(Float("spawnRate", "0") + Behaviour("TestNudge", step));
    loose->SetOwnerObject(&bare);
    loose->Spawn(1);
    loose->Update(kDt);
    EXPECT_EQ(loose->Particles()[0].position, (Vector4{2, 0, 0, 1}));
}

TEST_F(ParticleEmitterTest, NonFiniteParticlesNeverStayInThePool)
{
    auto atSpawn = Read(Float("spawnRate", "0") + Behaviour("TestPoison", Float("m_poisonAge", "0")));
    EXPECT_TRUE(atSpawn->Spawn(3));
    EXPECT_TRUE(atSpawn->Particles().empty());

    auto later = Read(Float("spawnRate", "0") + Behaviour("TestPoison", Float("m_poisonAge", "0.3")));
    later->Spawn(3);
    later->Update(kDt);
    EXPECT_EQ(later->Particles().size(), 3u);
    later->Update(kDt);
    EXPECT_TRUE(later->Particles().empty());
}

TEST_F(ParticleEmitterTest, TheFileReaderKeepsFileOrderAndSkipsUnknownAndRepeatedBehaviours)
{
    auto emitter = Read(Behaviour("TestPoison") + Behaviour("NoSuchThing") + Behaviour("TestNudge") +
                        Behaviour("TestPoison", Float("m_poisonAge", "9")) +
                        // From the first behaviour on, every sibling is a behaviour, whatever its tag.
                        "<Other><string name=\"name\" value=\"Color\"/></Other>" + Float("spawnRate", "3"));
    ASSERT_EQ(emitter->Decorators().size(), 3u);
    EXPECT_EQ(emitter->Decorators()[0]->Type(), 1u);
    EXPECT_EQ(emitter->Decorators()[1]->Type(), 0u);
    EXPECT_EQ(emitter->Decorators()[2]->Type(), 15u);
    EXPECT_EQ(static_cast<TestPoison*>(emitter->FindDecorator(1))->m_poisonAge, 1.0f)
        << "the first one stays";
    EXPECT_EQ(emitter->SpawnRate(), 3.0f) << "fields are found by name wherever they stand";

    // Reading "spawnRate" again empties the pool and restarts the clock.
    emitter->Spawn(2);
    emitter->Update(2.0f);
    XmlFile again = XmlFile::FromText("<e>" + Float("spawnRate", "2.5") + "</e>");
    emitter->Deserialize(again.GetRoot());
    EXPECT_TRUE(emitter->Particles().empty());
    emitter->Update(2.0f);
    EXPECT_TRUE(emitter->Particles().empty()) << "the clock started again from 0";
    EXPECT_TRUE(emitter->Decorators().empty()) << "behaviours come from the file read last";
}

TEST_F(ParticleEmitterTest, BadNumbersAreBoundedWithOneLine)
{
    std::unique_ptr<ParticleEmitter> huge;
    const std::string said = CaptureStdout([&] { huge = Read(UInt("maxParticle", "10000000")); });
    EXPECT_EQ(huge->MaxParticles(), ParticleEmitter::kMaxPoolSize);
    EXPECT_NE(said.find("maxParticle 10000000 capped"), std::string::npos) << said;
    EXPECT_LE(huge->Particles().capacity(), size_t{ParticleEmitter::kMaxPoolSize});

    std::unique_ptr<ParticleEmitter> none;
    EXPECT_NE(CaptureStdout([&] { none = Read(UInt("maxParticle", "0")); }).find("maxParticle 0"),
              std::string::npos);
    EXPECT_FALSE(none->Spawn(1));

    std::unique_ptr<ParticleEmitter> backwards;
    EXPECT_NE(CaptureStdout([&] { backwards = Read(Float("spawnRate", "-2")); }).find("negative spawnRate"),
              std::string::npos);
    EXPECT_EQ(backwards->SpawnRate(), 0.0f);
    EXPECT_EQ(Read(Float("spawnRate", "nan"))->SpawnRate(), 1.0f) << "not a number is not read";
}

TEST_F(ParticleEmitterTest, WritingAndReadingBackGivesTheSameEffect)
{
    auto emitter =
        Read("<bool name=\"localPos\" value=\"1\"/>" + UInt("maxParticle", "40") + Float("spawnRate", "0.2") +
             UInt("spawnNum", "3") + "<string name=\"texture\" value=\"smoke\"/>" + Behaviour("TestNudge") +
             Behaviour("Color"));
    const std::string written = Text(*emitter);
    XmlFile file = XmlFile::FromText(written);
    ParticleEmitter copy("test");
    copy.Deserialize(file.GetRoot());
    EXPECT_EQ(Text(copy), written);
    EXPECT_EQ(copy.TextureName(), "smoke");
    EXPECT_EQ(copy.MaterialName(), "ps_default");
    EXPECT_EQ(copy.Decorators().size(), 2u);
}
