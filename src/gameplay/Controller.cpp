#include "gameplay/Controller.h"

#include "core/TweakBar.h"
#include "gameplay/AiDriver.h"
#include "gameplay/HumanDriver.h"
#include "gameplay/RaceLineSystem.h"
#include "objects/FieldList.h"
#include "objects/GameObject.h"
#include "objects/Logic.h"
#include "physics/RigidBody.h"

#include <algorithm>

Controller::Controller() : Component(ComponentType::Controller) {}

Controller::~Controller()
{
    if (m_registered)
        Logic::Instance().UnregisterController(this);
}

void Controller::Initialize()
{
    m_controllerType = Logic::Instance().GetPlayerChoice(m_playerIndex).isComputer ? 1 : 0;
    if (m_controllerType == 0 && !m_humanDriver)
        m_humanDriver = std::make_unique<HumanDriver>(*this);
    if (m_controllerType == 1 && !m_aiDriver)
    {
        m_aiDriver = std::make_unique<AiDriver>(*this);
        m_aiDriver->SetTarget(RaceLineSystem::Instance().FirstNodePosition());
    }
    GameObject* owner = GetOwner();
    m_mover.SetOwner(owner, owner ? owner->Get<RigidBody>(ComponentType::RigidBody) : nullptr);
    Logic::Instance().RegisterController(this);
    m_registered = true;
}

bool Controller::Update()
{
    if (m_controllerType == 0 && m_humanDriver)
        m_humanDriver->Update();
    else if (m_controllerType == 1 && m_aiDriver && m_playerState != kHeld)
        m_aiDriver->Update();
    m_mover.Update();
    return false;
}

const ComponentFields* Controller::Fields() const
{
    static const ComponentFieldList<Controller> fields = []
    {
        ComponentFieldList<Controller> list(ComponentType::Controller);
        list.Add("ID", &Controller::m_playerIndex)
            .ByPosition()
            .Panel("ID")
            .ShownWhen(FieldScope::InstanceOnly);
        list.Add("ControllerType", &Controller::m_controllerType)
            .ByPosition()
            .Panel("Type")
            .ShownWhen(FieldScope::InstanceOnly);
        list.AddNested(&Controller::m_mover, Movement::Fields()).NotCloned();
        return list;
    }();
    return &fields;
}

void Controller::SetPowerLevel(unsigned level)
{
    m_powerLevel = std::min(level, kFullPower);
}

void Controller::AddToPowerLevel(int amount)
{
    const long long level = static_cast<long long>(m_powerLevel) + amount;
    m_powerLevel = static_cast<unsigned>(std::clamp<long long>(level, 0, kFullPower));
}

void Controller::Jump()
{
    if (IsComputer())
        m_mover.Jump(Movement::kJumpForce);
}

void Controller::SetTargetPosition(const Vector4& target)
{
    if (IsComputer() && m_aiDriver)
        m_aiDriver->SetTarget(target);
}
