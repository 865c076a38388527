#include "RaceTestSupport.h"
#include "gameplay/Controller.h"
#include "input/ActionList.h"
#include "input/InputSystem.h"
#include "objects/Transform.h"
#include "physics/GroundProbe.h"
#include "physics/RigidBody.h"

#include <gtest/gtest.h>

namespace
{
// A ball over a flat ground box whose top is at y = 0.
class MovementTest : public testing::Test
{
  protected:
    void SetUp() override
    {
        world.Spawn(RaceWorld::TransformXml({0, -0.5f, 0, 1}, {100, 1, 100, 0}) +
                    RaceWorld::ColliderXml("BVT_OBB", false) + "<Ground/>");
        ball = world.Spawn(RaceWorld::TransformXml({0, 2, 0, 1}) + RaceWorld::BodyXml(1, false, 20.0f) +
                           RaceWorld::ColliderXml("BVT_SPHERE", true, "P1") + RaceWorld::ControllerXml(0));
        controller = ball->Get<Controller>(ComponentType::Controller);
        body = ball->Get<RigidBody>(ComponentType::RigidBody);
        controller->GetMover().Update(); // finds the ground
    }

    void Lift(float y) { ball->Get<Transform>(ComponentType::Transform)->SetPosition(0, y, 0); }

    RaceWorld world;
    GameObject* ball = nullptr;
    Controller* controller = nullptr;
    RigidBody* body = nullptr;
};
} // namespace

TEST_F(MovementTest, PowerLevelIsClampedToAFullCharge)
{
    controller->SetPowerLevel(150);
    EXPECT_EQ(controller->GetPowerLevel(), 100u);
    controller->SetPowerLevel(90);
    controller->AddToPowerLevel(30);
    EXPECT_EQ(controller->GetPowerLevel(), 100u);
    controller->AddToPowerLevel(-500);
    EXPECT_EQ(controller->GetPowerLevel(), 0u);
}

TEST_F(MovementTest, JumpsOnceFromTheGroundAndOnceInTheAir)
{
    Movement& mover = controller->GetMover();
    EXPECT_NE(mover.GetGroundObjectId(), -1);
    Lift(1.5f); // within the hover reach of the ground point
    mover.Jump(Movement::kJumpForce);
    EXPECT_FLOAT_EQ(body->GetForce().y, 500.0f);
    body->ClearForces();

    Lift(10); // well above the hover reach
    body->SetVelocity({3, 0, 4, 0});
    mover.Jump(Movement::kJumpForce);
    EXPECT_FLOAT_EQ(body->GetForce().y, 500.0f) << "the air jump";
    EXPECT_NEAR(body->GetForce().x, 150.0f, 1e-3) << "plus half the force along the horizontal velocity";
    body->ClearForces();
    mover.Jump(Movement::kJumpForce);
    EXPECT_EQ(body->GetForce(), Vector4{}) << "only one air jump";

    Lift(1.5f);
    mover.Update(); // the hover spring pushes up: grounded again
    EXPECT_TRUE(mover.IsAirJumpAvailable());
}

TEST_F(MovementTest, HoverSpringPushesUpOnlyBelowTheHoverHeight)
{
    Lift(1.0f);
    body->ClearForces();
    controller->GetMover().Update();
    EXPECT_GT(body->GetForce().y, 0.0f);
    EXPECT_LE(body->GetForce().y, 19.0f) << "the upward push is capped";
    EXPECT_EQ(body->GetForce().x, 0.0f);
    Lift(3.0f);
    body->ClearForces();
    controller->GetMover().Update();
    EXPECT_EQ(body->GetForce(), Vector4{});
}

TEST_F(MovementTest, BrakingStopsABallRollingBackwardsInsteadOfPushing)
{
    controller->SetFacing({0, 0, 1, 0});
    body->SetVelocity({2, 1, -5, 0});
    InputSystem::Instance().SetKey('X', true);
    controller->GetMover().Move({0, 1, 0, 0}, 0);
    InputSystem::Instance().SetKey('X', false);
    EXPECT_EQ(body->GetVelocity(), (Vector4{0, 1, 0, 0}));
}

TEST_F(MovementTest, IdleStickLeavesFacingWhileSteeringTurnsIt)
{
    controller->SetFacing({0, 0, 1, 0});
    body->SetVelocity({10, 0, 0, 0});
    controller->GetMover().Move({0.05f, 0.05f, 0, 0}, 1);
    EXPECT_EQ(controller->GetFacing(), (Vector4{0, 0, 1, 0}));
    controller->GetMover().Move({0, 1, 0, 0}, 1);
    EXPECT_GT(controller->GetFacing().x, 0.05f) << "facing eases towards the direction of travel";
    EXPECT_NEAR(controller->GetFacing().Length(), 1.0f, 1e-5);
    EXPECT_EQ(controller->GetFacing().y, 0.0f);
}

TEST_F(MovementTest, HeldRacerGetsNoSteeringButStillHovers)
{
    EXPECT_EQ(controller->GetPlayerState(), Controller::kHeld);
    Lift(1.0f);
    body->ClearForces();
    ActionList::Instance().SetMoveAxes(0, 0, 1);
    controller->Update();
    EXPECT_EQ(body->GetForce().z, 0.0f);
    EXPECT_GT(body->GetForce().y, 0.0f);
}

TEST(GroundProbe, RayTestsAgainstEachVolume)
{
    const Vector4 down{0, -1, 0, 0};
    EXPECT_NEAR(*RaySphere({0, 10, 0, 1}, down, {0, 0, 0, 1}, 2), 8.0f, 1e-5);
    EXPECT_FALSE(RaySphere({5, 10, 0, 1}, down, {0, 0, 0, 1}, 2));
    EXPECT_EQ(*RaySphere({0, 0.5f, 0, 1}, down, {0, 0, 0, 1}, 2), 0.0f) << "inside: hit at the origin";
    EXPECT_NEAR(*RayAabb({1, 5, 1, 1}, down, {-2, -1, -2, 1}, {2, 1, 2, 1}), 4.0f, 1e-5);
    EXPECT_FALSE(RayAabb({3, 5, 0, 1}, down, {-2, -1, -2, 1}, {2, 1, 2, 1}));
    // A box tilted 45 degrees about z: its top corner is straight below at height sqrt(2).
    const Quaternion tilt = Quaternion::FromAxisAngle({0, 0, 1, 0}, 3.14159265f / 4);
    EXPECT_NEAR(*RayObb({0, 5, 0, 1}, down, {0, 0, 0, 1}, {2, 2, 2, 0}, tilt), 5.0f - 1.41421356f, 1e-4);
}
