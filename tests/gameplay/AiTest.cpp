#include "RaceTestSupport.h"
#include "gameplay/AiDriver.h"
#include "gameplay/AiLeaves.h"
#include "gameplay/Controller.h"
#include "gameplay/RaceLineSystem.h"
#include "input/ActionList.h"
#include "objects/Transform.h"
#include "physics/Collider.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{
class AiTest : public testing::Test
{
  protected:
    GameObject* Racer(int player, const Vector4& position)
    {
        GameObject* racer =
            world.Spawn(RaceWorld::TransformXml(position) + RaceWorld::BodyXml(1, false) +
                        RaceWorld::ColliderXml("BVT_SPHERE", true, "P1") + RaceWorld::ControllerXml(player));
        racer->Get<Controller>(ComponentType::Controller)->SetFacing({0, 0, 1, 0});
        return racer;
    }

    static Controller& ControllerOf(GameObject* racer)
    {
        return *racer->Get<Controller>(ComponentType::Controller);
    }

    RaceWorld world;
    ActionList& actions = ActionList::Instance();
};

constexpr int kForward = static_cast<int>(Action::UsePowerUp);
constexpr int kBackward = static_cast<int>(Action::UsePowerUpBack);
} // namespace

TEST_F(AiTest, SteersTowardsTheTargetHarderWhenItLiesToTheSide)
{
    GameObject* racer = Racer(0, {0, 0, 0, 1});
    AiDriver& driver = *ControllerOf(racer).GetAiDriver();
    GetDirection leaf(&driver);
    driver.SetTarget({0, 0, 50, 1});
    leaf.Tick();
    EXPECT_EQ(driver.GetSteering().y, 3.0f);
    EXPECT_EQ(std::abs(driver.GetSteering().x), 2.0f);
    driver.SetTarget({50, 0, 0, 1}); // 90 degrees off
    leaf.Tick();
    EXPECT_EQ(driver.GetSteering().y, 0.0f);
    EXPECT_EQ(std::abs(driver.GetSteering().x), 6.0f);
    EXPECT_EQ(actions.GetMoveVector(0).x, driver.GetSteering().x) << "written into the action list";
}

TEST_F(AiTest, FullChargeSkipsTheChecksAndFiresForward)
{
    GameObject* racer = Racer(1, {0, 0, 0, 1});
    ControllerOf(racer).SetPowerLevel(100);
    AiDriver& driver = *ControllerOf(racer).GetAiDriver();
    EXPECT_EQ(CheckPowerUp(&driver).Tick(), BStatus::Success);
    EXPECT_EQ(StorePowerUp(&driver).Tick(), BStatus::Failure) << "a full charge is never kept";
    EXPECT_EQ(CheckDirection(&driver, 0).Tick(), BStatus::Success);
    EXPECT_EQ(CheckDistance(&driver).Tick(), BStatus::Success);
    UsePowerUp(&driver, 0).Tick();
    EXPECT_TRUE(actions.IsPressed(1, kForward));
    EXPECT_EQ(actions.GetValue(1, kForward), 100.0);
    EXPECT_FALSE(actions.IsPressed(1, kBackward));
}

TEST_F(AiTest, StrongFireChargeHoldsThreeShots)
{
    GameObject* racer = Racer(0, {0, 0, 0, 1});
    Controller& controller = ControllerOf(racer);
    controller.SetElement(0);
    controller.SetPowerLevel(70);
    AiDriver& driver = *controller.GetAiDriver();
    UsePowerUp(&driver, 0).Tick();
    EXPECT_EQ(driver.GetHeldPowers(), 3);
    controller.SetPowerLevel(0);
    EXPECT_EQ(CheckPowerUp(&driver).Tick(), BStatus::Success) << "held shots keep the power usable";
    for (int shot = 0; shot < 3; ++shot)
        UsePowerUp(&driver, 0).Tick();
    EXPECT_EQ(driver.GetHeldPowers(), 0);
    EXPECT_EQ(CheckPowerUp(&driver).Tick(), BStatus::Failure);
}

TEST_F(AiTest, OpponentsAreFoundInTheConeAndWithinRange)
{
    GameObject* self = Racer(0, {0, 0, 0, 1});
    Racer(1, {1, 0, 20, 1});  // ahead, inside 15 degrees, 20 units away
    Racer(2, {0, 0, -40, 1}); // behind, 40 units away
    Controller& controller = ControllerOf(self);
    controller.SetPowerLevel(40);
    AiDriver& driver = *controller.GetAiDriver();
    EXPECT_EQ(CheckDirection(&driver, 0).Tick(), BStatus::Success);
    EXPECT_EQ(driver.GetOpponent(), 1);
    EXPECT_EQ(CheckDistance(&driver).Tick(), BStatus::Success) << "400 is within 800";
    controller.SetElement(2);
    EXPECT_EQ(CheckDistance(&driver).Tick(), BStatus::Failure) << "a weak wind gust reaches 50";
    EXPECT_EQ(CheckDirection(&driver, 1).Tick(), BStatus::Success);
    EXPECT_EQ(driver.GetOpponent(), 2);
    EXPECT_EQ(CheckDistance(&driver).Tick(), BStatus::Failure) << "1600 is beyond 800 and 50";
}

TEST_F(AiTest, TouchingTheLastNodeTargetsTheFirstAndJumpNodesJump)
{
    std::vector<GameObject*> nodes;
    for (int id = 0; id < 3; ++id)
        nodes.push_back(world.Spawn(RaceWorld::TransformXml({0, 0, 10.0f * id, 1}, {3, 3, 3, 0}) +
                                    RaceWorld::ColliderXml("BVT_SPHERE", false, "RaceNode", 0) +
                                    "<RaceNode><int name=\"ID\" value=\"" + std::to_string(id) + "\"/>" +
                                    RaceWorld::VectorXml("facing", {0, 0, 1, 0}) +
                                    "<int name=\"Should_Jump\" value=\"" + (id == 1 ? "1" : "0") +
                                    "\"/><int name=\"CPNode\" value=\"0\"/></RaceNode>"));
    GameObject* racer = Racer(3, {0, 0, 20, 1});
    RaceLineSystem& line = RaceLineSystem::Instance();
    line.Initialize();
    AiDriver& driver = *ControllerOf(racer).GetAiDriver();
    EXPECT_EQ(driver.GetTarget(), (Vector4{0, 0, 0, 1})) << "everyone starts at the first node";
    auto touch = [&](GameObject* node)
    {
        node->Get<Collider>(ComponentType::Collider)
            ->AddTouched(racer->Get<Collider>(ComponentType::Collider));
        line.Update();
        node->Get<Collider>(ComponentType::Collider)->ClearTouched();
    };
    touch(nodes[2]);
    EXPECT_EQ(driver.GetTarget(), (Vector4{0, 0, 0, 1})) << "the last node wraps to the first";
    touch(nodes[1]);
    EXPECT_EQ(driver.GetTarget(), (Vector4{0, 0, 20, 1}));
}

TEST_F(AiTest, DegenerateFacingsAndTargetsNeverProduceNaN)
{
    GameObject* racer = Racer(0, {5, 0, 5, 1});
    Controller& controller = ControllerOf(racer);
    controller.SetFacing({0, 0, 0, 0}); // ignored: the old facing stays
    EXPECT_EQ(controller.GetFacing(), (Vector4{0, 0, 1, 0}));
    controller.SetFacing({0, 7, 0, 0}); // straight up has no direction on the ground
    EXPECT_EQ(controller.GetFacing(), (Vector4{0, 0, 1, 0}));
    AiDriver& driver = *controller.GetAiDriver();
    driver.SetTarget({5, 0, 5, 1}); // the racer stands on its target
    GetDirection(&driver).Tick();
    EXPECT_TRUE(driver.GetSteering().IsFinite());
    driver.SetTarget({std::nanf(""), 0, 0, 1});
    EXPECT_EQ(driver.GetTarget(), (Vector4{5, 0, 5, 1})) << "a non-finite target is refused";
}
