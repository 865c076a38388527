#include "gameplay/AiLeaves.h"

#include "gameplay/AiDriver.h"
#include "gameplay/Controller.h"
#include "input/ActionList.h"
#include "math/Random.h"
#include "objects/GameObject.h"
#include "objects/Logic.h"
#include "objects/Transform.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr float kConeHalfAngle = 0.26166668f; // about 15 degrees
constexpr unsigned kUsableCharge = 31;
constexpr unsigned kStrongCharge = 61;
constexpr int kStoreChancePercent = 46;

Controller& Racer(BNode& leaf)
{
    return leaf.GetOwner()->GetController();
}

float SafeAcos(float d)
{
    return std::acos(std::clamp(d, -1.0f, 1.0f));
}

// Every other racer (object with a Controller) in the race.
template <typename Visit> bool AnyOtherRacer(const Controller& self, Visit&& visit)
{
    for (Component* component : Logic::Instance().Controllers())
    {
        auto* other = static_cast<Controller*>(component);
        if (other != &self && other->GetOwner() && visit(*other))
            return true;
    }
    return false;
}
} // namespace

BStatus GetDirection::Update()
{
    AiDriver& driver = *GetOwner();
    Controller& racer = driver.GetController();
    const Vector4 to = (driver.GetTarget() - Transform::PositionOf(racer.GetOwner())).FlatNormalized();
    const Vector4 f = racer.GetFacing().FlatNormalized();
    const float d = f.Dot(to);
    Vector4 steering;
    steering.y = d > 0.1f ? 3.0f : (d < -0.1f ? -3.0f : 0.0f);
    const float side = Vector4{f.z, f.y, -f.x, 0}.Dot(to);
    steering.x = side <= 0.0f ? 2.0f : -2.0f;
    if (SafeAcos(d) > 2.0f * kConeHalfAngle)
    {
        steering.y = 0.0f;
        steering.x *= 3.0f;
    }
    driver.SetSteering(steering);
    ActionList::Instance().SetMoveAxes(racer.GetPlayerIndex(), steering.x, steering.y);
    return BStatus::Success;
}

BStatus MoveToTarget::Update()
{
    Controller& racer = Racer(*this);
    const int player = racer.GetPlayerIndex();
    ActionList& actions = ActionList::Instance();
    // The action list clears a computer player's axes at the start of every frame, and this leaf
    // runs the frame after GetDirection wrote them: write the steering again before reading it.
    const Vector4& steering = GetOwner()->GetSteering();
    actions.SetMoveAxes(player, steering.x, steering.y);
    racer.GetMover().Move(actions.GetMoveVector(player), player);
    return BStatus::Success;
}

BStatus CheckPowerUp::Update()
{
    const bool usable = Racer(*this).GetPowerLevel() >= kUsableCharge || GetOwner()->GetHeldPowers() > 0;
    return usable ? BStatus::Success : BStatus::Failure;
}

BStatus StorePowerUp::Update()
{
    Controller& racer = Racer(*this);
    const double level = racer.GetPowerLevel();
    ActionList& actions = ActionList::Instance();
    actions.SetAction(racer.GetPlayerIndex(), static_cast<int>(Action::UsePowerUpBack), level, false);
    actions.SetAction(racer.GetPlayerIndex(), static_cast<int>(Action::UsePowerUp), level, false);
    const bool keep = racer.GetPowerLevel() < Controller::kFullPower && GetOwner()->GetHeldPowers() == 0 &&
                      RandomInt(0, 99) < kStoreChancePercent;
    return keep ? BStatus::Success : BStatus::Failure;
}

BStatus CheckDirection::Update()
{
    Controller& self = Racer(*this);
    if (self.GetPowerLevel() > Controller::kFullPower - 1)
        return BStatus::Success;
    const Vector4 look = self.GetFacing() * (m_parameter == 0 ? 1.0f : -1.0f);
    const Vector4 here = Transform::PositionOf(self.GetOwner());
    const bool found =
        AnyOtherRacer(self,
                      [&](Controller& other)
                      {
                          const float d =
                              look.Dot((Transform::PositionOf(other.GetOwner()) - here).FlatNormalized());
                          if (d > 0.0f && SafeAcos(d) < kConeHalfAngle)
                          {
                              GetOwner()->SetOpponent(other.GetPlayerIndex());
                              return true;
                          }
                          return false;
                      });
    return found ? BStatus::Success : BStatus::Failure;
}

BStatus CheckDistance::Update()
{
    Controller& self = Racer(*this);
    if (self.GetPowerLevel() > Controller::kFullPower - 1)
        return BStatus::Success;
    const float limit = self.GetElement() == 2 && self.GetPowerLevel() < kStrongCharge ? 50.0f : 800.0f;
    Vector4 here = Transform::PositionOf(self.GetOwner());
    here.y = 0.0f;
    bool inRange = false;
    const bool found = AnyOtherRacer(self,
                                     [&](Controller& other)
                                     {
                                         if (other.GetPlayerIndex() != GetOwner()->GetOpponent())
                                             return false;
                                         Vector4 there = Transform::PositionOf(other.GetOwner());
                                         there.y = 0.0f;
                                         inRange = (there - here).LengthSquared() <= limit;
                                         return true;
                                     });
    return found && inRange ? BStatus::Success : BStatus::Failure;
}

BStatus UsePowerUp::Update()
{
    Controller& racer = Racer(*this);
    AiDriver& driver = *GetOwner();
    if (racer.GetElement() == 0)
    {
        const unsigned level = racer.GetPowerLevel();
        if (level >= kStrongCharge && level <= Controller::kFullPower - 1)
            driver.SetHeldPowers(AiDriver::kMaxHeldPowers);
        else if (driver.GetHeldPowers() > 0)
            driver.SetHeldPowers(driver.GetHeldPowers() - 1);
    }
    const Action button = m_parameter == 1 ? Action::UsePowerUpBack : Action::UsePowerUp;
    ActionList::Instance().SetAction(racer.GetPlayerIndex(), static_cast<int>(button), racer.GetPowerLevel(),
                                     true);
    return BStatus::Success;
}
