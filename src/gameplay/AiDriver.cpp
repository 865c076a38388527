#include "gameplay/AiDriver.h"

#include "gameplay/AiLeaves.h"
#include "gameplay/Controller.h"

namespace
{
constexpr int kSteeringRepeats = 10;

template <typename Leaf> std::unique_ptr<BNode> MakeLeaf(AiDriver* owner, int parameter = 0)
{
    return std::make_unique<Leaf>(owner, parameter);
}

// CheckDirection, CheckDistance, UsePowerUp for one direction (0 ahead, 1 behind).
std::unique_ptr<BNode> AttackBranch(AiDriver* owner, int direction)
{
    auto branch = std::make_unique<Sequence>(owner);
    branch->AddChild(MakeLeaf<CheckDirection>(owner, direction));
    branch->AddChild(MakeLeaf<CheckDistance>(owner));
    branch->AddChild(MakeLeaf<UsePowerUp>(owner, direction));
    return branch;
}
} // namespace

AiDriver::AiDriver(Controller& controller) : m_controller(controller), m_root(BuildTree()) {}

AiDriver::~AiDriver() = default;

std::unique_ptr<BNode> AiDriver::BuildTree()
{
    // A: steer for 22 ticks. B: one check per tick, then maybe fire a power.
    auto steerPair = std::make_unique<Sequence>(this);
    steerPair->AddChild(MakeLeaf<GetDirection>(this));
    steerPair->AddChild(MakeLeaf<MoveToTarget>(this));
    auto branchA = std::make_unique<Sequence>(this);
    branchA->AddChild(std::make_unique<RepeatCounter>(this, std::move(steerPair), kSteeringRepeats));

    auto attack = std::make_unique<Selector>(this);
    attack->AddChild(AttackBranch(this, 0));
    attack->AddChild(AttackBranch(this, 1));
    auto branchB = std::make_unique<Sequence>(this);
    branchB->AddChild(MakeLeaf<CheckPowerUp>(this));
    branchB->AddChild(std::make_unique<Inverter>(this, MakeLeaf<StorePowerUp>(this)));
    branchB->AddChild(std::move(attack));

    auto root = std::make_unique<Sequence>(this);
    root->AddChild(std::move(branchA));
    root->AddChild(std::move(branchB));
    return root;
}

void AiDriver::SetTarget(const Vector4& target)
{
    if (target.IsFinite())
        m_target = target;
}

void AiDriver::Update()
{
    if (m_controller.GetPlayerState() != Controller::kHeld)
        m_root->Tick();
}
