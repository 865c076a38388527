#include "RaceTestSupport.h"
#include "gameplay/Controller.h"
#include "gameplay/Hud.h"
#include "graphics/Camera.h"
#include "graphics/GraphicsSystem.h"
#include "objects/Transform.h"
#include "physics/RigidBody.h"
#include "physics/Spin.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>

TEST(Camera, ShakingIsOffWhilePaused)
{
    RaceWorld world;
    GameObject* object = world.Spawn(RaceWorld::TransformXml({0, 0, 0, 1}) + "<Camera/>");
    auto* camera = object->Get<Camera>(ComponentType::Camera);
    camera->Shake(0.5f, 0.1f, 2.0f);
    EXPECT_TRUE(camera->IsShaking());
    camera->PauseShaker(true);
    EXPECT_FALSE(camera->IsShaking()) << "paused, even with time left";
    camera->PauseShaker(false);
    EXPECT_TRUE(camera->IsShaking());
}

TEST(Shaker, DisplacementShrinksByTheDecayEachFrame)
{
    Shaker shaker;
    std::srand(2);
    shaker.Shake(0.5f, 0.1f, 2.0f);
    const float expected[] = {0.5f, 0.4f, 0.3f, 0.2f, 0.1f};
    for (float magnitude : expected)
        EXPECT_NEAR(shaker.Step(1.0f / 60.0f).Length(), magnitude, 1e-5);
    EXPECT_FALSE(shaker.IsShaking()) << "the magnitude ran out before the time";
    EXPECT_EQ(shaker.Step(1.0f / 60.0f), Vector4{});
    shaker.Reset();
    EXPECT_TRUE(shaker.IsShaking());
    shaker.Shake(1.0f, 0.0f, 0.06f);
    for (int frame = 0; frame < 3; ++frame)
        shaker.Step(1.0f / 60.0f);
    EXPECT_TRUE(shaker.IsShaking());
    shaker.Step(1.0f / 60.0f);
    EXPECT_FALSE(shaker.IsShaking()) << "the time ran out";
}

TEST(Camera, SitsOnItsOwnerWithoutUpdatePositionAndFollowsBehindTheBall)
{
    RaceWorld world;
    GameObject* still = world.Spawn(RaceWorld::TransformXml({3, 4, 5, 1}) + "<Camera/>");
    auto* fixed = still->Get<Camera>(ComponentType::Camera);
    fixed->SetUpdatesPosition(false);
    fixed->Update();
    EXPECT_EQ(fixed->GetPosition(), (Vector4{3, 4, 5, 1}));

    GameObject* ball = world.Spawn(RaceWorld::TransformXml({0, 2, 0, 1}) + RaceWorld::BodyXml(1, false) +
                                   RaceWorld::ControllerXml(0) + "<Camera>" +
                                   RaceWorld::VectorXml("o", {0, 3, 10, 1}) + "</Camera>");
    ball->Get<Controller>(ComponentType::Controller)->SetFacing({0, 0, 1, 0});
    auto* camera = ball->Get<Camera>(ComponentType::Camera);
    camera->Snap();
    camera->Update();
    EXPECT_NEAR(camera->GetPosition().z, -10.0f, 1e-4) << "behind the ball";
    EXPECT_NEAR(camera->GetPosition().y, 5.0f, 1e-4);
    EXPECT_GT(camera->GetDirection().z, 0.8f) << "looking past the ball";
    for (int frame = 0; frame < 50; ++frame)
        camera->Update();
    EXPECT_TRUE(camera->GetPosition().IsFinite());
}

TEST(Camera, OrbitPitchStaysBetweenLevelAndStraightDown)
{
    RaceWorld world;
    GameObject* ball = world.Spawn(RaceWorld::TransformXml({0, 0, 0, 1}) + "<Camera/>");
    auto* camera = ball->Get<Camera>(ComponentType::Camera);
    camera->SetOrbitMode(true);
    camera->Update();
    EXPECT_GE(camera->GetOrbitPitch(), -89.0f);
    EXPECT_LE(camera->GetOrbitPitch(), 0.0f);
}

TEST(Spin, AngleGrowsWithSpeedSquaredAndResetsPast360)
{
    RaceWorld world;
    GameObject* ball =
        world.Spawn(RaceWorld::TransformXml({0, 0, 0, 1}) + RaceWorld::BodyXml(1, false, 50.0f) +
                    RaceWorld::ControllerXml(0) + "<Spin/>");
    auto* spin = ball->Get<Spin>(ComponentType::Spin);
    ball->Get<RigidBody>(ComponentType::RigidBody)->SetVelocity({10, 0, 0, 0});
    spin->Update();
    EXPECT_FLOAT_EQ(spin->GetAngle(), 10.0f);
    ball->Get<RigidBody>(ComponentType::RigidBody)->SetVelocity({100, 0, 0, 0});
    spin->SetAngle(100.0f);
    spin->Update();
    EXPECT_FLOAT_EQ(spin->GetAngle(), 150.0f) << "the step is capped by the body's horizontal cap";
    ball->Get<RigidBody>(ComponentType::RigidBody)->SetVelocity({10, 0, 0, 0});
    spin->SetAngle(355.0f);
    spin->Update();
    EXPECT_EQ(spin->GetAngle(), 0.0f);
    EXPECT_EQ(spin->Clone()->GetType(), ComponentType::Spin);
    EXPECT_EQ(static_cast<Spin*>(spin->Clone().get())->GetAngle(), 0.0f);
}

TEST(Hud, LapTextStopsAtTheTotalAndFinalLapShowsOnTheLastLap)
{
    RaceWorld world;
    GameObject* racer = world.Spawn(RaceWorld::ControllerXml(2) + "<Hud/>");
    auto* hud = racer->Get<Hud>(ComponentType::Hud);
    hud->SetTotalLaps(3);
    EXPECT_EQ(hud->GetLapText(), "Laps: 1 / 3");
    EXPECT_EQ(hud->GetPlaceText(), "4th");
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    graphics.SetSplitScreen(true);
    graphics.PostUpdate();
    hud->Update();
    EXPECT_EQ(graphics.ScreenTexts().size(), 3u) << "lap, place and clock, no final-lap warning yet";
    hud->LapCompleted();
    hud->LapCompleted();
    hud->LapCompleted();
    EXPECT_EQ(hud->GetLapText(), "Laps: 3 / 3");
    graphics.PostUpdate();
    EXPECT_TRUE(hud->Update());
    ASSERT_EQ(graphics.ScreenTexts().size(), 4u);
    EXPECT_EQ(graphics.ScreenTexts()[1].text, "Final Lap");
    EXPECT_FLOAT_EQ(graphics.ScreenTexts()[1].y, -0.18f) << "player 2's quarter";
    graphics.SetSplitScreen(false);
    graphics.PostUpdate();
    EXPECT_FALSE(hud->Update());
}

TEST(Hud, PlaceIsDrawnLargeWithTheRaceClockSmallBeneathIt)
{
    RaceWorld world;
    GameObject* racer = world.Spawn(RaceWorld::ControllerXml(1) + "<Hud/>");
    auto* hud = racer->Get<Hud>(ComponentType::Hud);
    hud->SetTotalLaps(3);
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    graphics.SetSplitScreen(true);
    graphics.PostUpdate();
    hud->Update();
    const std::vector<ScreenText>& texts = graphics.ScreenTexts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1].text, "4th");
    EXPECT_FLOAT_EQ(texts[1].x, 0.91f) << "the place keeps its position";
    EXPECT_GT(texts[1].size.x, texts[0].size.x);
    EXPECT_EQ(texts[2].text, "0:00.0") << "held on the grid: the clock waits";
    EXPECT_LT(texts[2].y, texts[1].y);
    EXPECT_LT(texts[2].size.x, texts[0].size.x);
    EXPECT_EQ(Hud::FormatClock(65.34f), "1:05.3");
    EXPECT_EQ(Hud::FormatClock(std::nanf("")), "0:00.0");
    EXPECT_EQ(Hud::FormatClock(1e9f), "99:59.9");
}
