#include "gameplay/Spawner.h"
#include "RaceTestSupport.h"
#include "gameplay/LifeComponent.h"
#include "objects/Transform.h"
#include "particles/DecoratorComp.h"
#include "physics/RigidBody.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace
{
class SpawnerTest : public testing::Test
{
  protected:
    void SetUp() override
    {
        Factory& factory = Factory::Instance();
        for (const char* name : {"Box", "Crate"})
        {
            XmlFile file = XmlFile::FromText(
                std::string("<Components>") + RaceWorld::TransformXml({0, 0, 0, 1}) +
                RaceWorld::BodyXml(1, false) +
                "<LifeComponent><float name=\"lifeTime\" value=\"-1\"/></LifeComponent>"
                "<DecoratorComp><DT_Life value=\"1\"><float name=\"lifeMin\" value=\"2\"/>"
                "<float name=\"lifeMax\" value=\"4\"/></DT_Life></DecoratorComp></Components>");
            auto archetype = std::make_unique<GameObject>(name);
            archetype->LoadComponents(file, file.GetRoot());
            factory.AddArchetype(std::move(archetype));
        }
    }

    Spawner* MakeSpawner(float rate, bool wait, bool walking, float life = -1.0f)
    {
        GameObject* object = world.Spawn(
            RaceWorld::TransformXml({5, 6, 7, 1}) + "<Spawner><float name=\"SpawnRate\" value=\"" +
            XmlFile::FormatFloat(rate) + "\"/><bool name=\"SpawnWalking\" value=\"" + (walking ? "1" : "0") +
            "\"/><bool name=\"waitToSpawn\" value=\"" + (wait ? "1" : "0") +
            "\"/><float name=\"spawnedObjLifeTime\" value=\"" + XmlFile::FormatFloat(life) +
            "\"/><float name=\"spawnVel\" value=\"3\"/>" + RaceWorld::VectorXml("spawnDir", {0, 1, 0, 0}) +
            "<SpawnList><string value=\"Box\"/><string value=\"Crate\"/><string "
            "value=\"Box\"/></SpawnList></Spawner>");
        return object->Get<Spawner>(ComponentType::Spawner);
    }

    GameObject* LastSpawned(const Spawner* spawner)
    {
        return Factory::Instance().FindObject(static_cast<unsigned>(spawner->GetLastSpawned()));
    }

    RaceWorld world;
};
} // namespace

TEST_F(SpawnerTest, WalkingSpawnerTakesTheListInTurnAtItsPosition)
{
    Spawner* spawner = MakeSpawner(0.0f, false, true);
    EXPECT_EQ(spawner->SpawnList().size(), 2u) << "a name is listed once";
    std::vector<std::string> names;
    for (int i = 0; i < 4; ++i)
    {
        spawner->SpawnNow();
        GameObject* spawned = LastSpawned(spawner);
        ASSERT_NE(spawned, nullptr);
        names.push_back(spawned->GetName());
        EXPECT_EQ(spawned->Get<Transform>(ComponentType::Transform)->GetPosition(), (Vector4{5, 6, 7, 1}));
        EXPECT_EQ(spawned->Get<RigidBody>(ComponentType::RigidBody)->GetVelocity(), (Vector4{0, 3, 0, 0}));
        EXPECT_EQ(spawned->GetSpawnerID(), static_cast<int>(spawner->GetOwner()->GetID()));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Box", "Crate", "Box", "Crate"}));
}

TEST_F(SpawnerTest, RateZeroNeverSpawnsByItself)
{
    Spawner* spawner = MakeSpawner(0.0f, false, false);
    for (int i = 0; i < 100; ++i)
        spawner->Update();
    EXPECT_EQ(spawner->GetLastSpawned(), -1);
}

TEST_F(SpawnerTest, WaitingSpawnerWaitsForItsObjectToDie)
{
    Spawner* spawner = MakeSpawner(0.5f, true, true, 1.0f);
    world.SetFrameTime(0.25f);
    spawner->Update();
    spawner->Update();
    GameObject* first = LastSpawned(spawner);
    ASSERT_NE(first, nullptr);
    auto* life = first->Get<LifeComponent>(ComponentType::LifeComponent);
    EXPECT_EQ(life->GetLifeTime(), 1.0f) << "the spawner's life time overrides the decorator's draw";
    for (int i = 0; i < 8; ++i)
        spawner->Update();
    EXPECT_EQ(LastSpawned(spawner), first) << "no second spawn while the first lives";
    for (int i = 0; i < 4; ++i)
        life->Update();
    EXPECT_TRUE(first->IsDead());
    EXPECT_EQ(spawner->GetLastSpawned(), -1);
    Factory::Instance().PostUpdate();
    spawner->Update();
    spawner->Update();
    EXPECT_NE(spawner->GetLastSpawned(), -1);
}

TEST_F(SpawnerTest, EndlessLifeIsNeverDestroyed)
{
    GameObject* object =
        world.Spawn(RaceWorld::TransformXml({0, 0, 0, 1}) +
                    "<LifeComponent><float name=\"lifeTime\" value=\"-1\"/></LifeComponent>");
    world.SetFrameTime(1000.0f);
    object->Get<LifeComponent>(ComponentType::LifeComponent)->Update();
    EXPECT_FALSE(object->IsDead());
}

TEST_F(SpawnerTest, LifeDecoratorDrawsALifeInItsRange)
{
    std::srand(3);
    for (int i = 0; i < 20; ++i)
    {
        GameObject* box = Factory::Instance().CreateObject("Box");
        const float life = box->Get<LifeComponent>(ComponentType::LifeComponent)->GetLifeTime();
        EXPECT_GE(life, 2.0f);
        EXPECT_LE(life, 4.0f);
    }
}

TEST_F(SpawnerTest, ScaleOverLifeGrowsFromMinimumToMaximumAndSecondScaleIsDiscarded)
{
    GameObject* object = world.Spawn(RaceWorld::TransformXml({0, 0, 0, 1}) +
                                     "<LifeComponent><float name=\"lifeTime\" value=\"2\"/></LifeComponent>"
                                     "<DecoratorComp><DT_Scale value=\"0\"><bool value=\"0\"/><bool "
                                     "value=\"1\"/><float value=\"1\"/><float value=\"3\"/>"
                                     "</DT_Scale><DT_Scale value=\"0\"><bool value=\"1\"/><bool "
                                     "value=\"0\"/><float value=\"9\"/><float value=\"9\"/>"
                                     "</DT_Scale></DecoratorComp>");
    auto* decorators = object->Get<DecoratorComp>(ComponentType::DecoratorComp);
    auto* life = object->Get<LifeComponent>(ComponentType::LifeComponent);
    auto* transform = object->Get<Transform>(ComponentType::Transform);
    EXPECT_EQ(transform->GetScale().x, 1.0f) << "no random start scale";
    world.SetFrameTime(1.0f);
    life->Update();
    decorators->Update();
    EXPECT_NEAR(transform->GetScale().x, 2.0f, 1e-5);
    life->Update();
    decorators->Update();
    EXPECT_NEAR(transform->GetScale().y, 3.0f, 1e-5);
}

TEST_F(SpawnerTest, ScaleOverAZeroLifeLeavesTheScaleFinite)
{
    GameObject* object = world.Spawn(RaceWorld::TransformXml({0, 0, 0, 1}) +
                                     "<LifeComponent><float name=\"lifeTime\" value=\"0\"/></LifeComponent>"
                                     "<DecoratorComp><DT_Scale value=\"0\"><bool value=\"0\"/><bool "
                                     "value=\"1\"/><float value=\"1\"/><float value=\"3\"/>"
                                     "</DT_Scale></DecoratorComp>");
    object->Get<DecoratorComp>(ComponentType::DecoratorComp)->Update();
    EXPECT_TRUE(object->Get<Transform>(ComponentType::Transform)->GetScale().IsFinite());
}
