#include "gameplay/Controller.h"

#include "core/TweakBar.h"
#include "gameplay/AiDriver.h"
#include "gameplay/HumanDriver.h"
#include "gameplay/RaceLineSystem.h"
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

std::unique_ptr<Component> Controller::Clone() const
{
    auto copy = std::make_unique<Controller>();
    copy->m_playerIndex = m_playerIndex;
    copy->m_controllerType = m_controllerType;
    return copy;
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

void Controller::Deserialize(XmlFile& /*file*/, const XmlElement* element)
{
    const XmlElement* id = element ? element->FirstChildElement() : nullptr;
    XmlFile::ReadValue(m_playerIndex, id);
    XmlFile::ReadValue(m_controllerType, id ? id->NextSiblingElement() : nullptr);
    m_mover.Deserialize(XmlFile::FindChildElement(element, "Mover"));
}

void Controller::Serialize(XmlFile& file, XmlElement* parent, bool instanceOnly) const
{
    XmlElement* element = file.AddChildElement(parent, GetTypeName());
    file.WriteValue(element, m_playerIndex, "ID");
    file.WriteValue(element, m_controllerType, "ControllerType");
    m_mover.Serialize(file, file.AddChildElement(element, "Mover"), instanceOnly);
}

void Controller::AddToTweakBar(TweakBar& bar, bool instanceOnly)
{
    const std::string group = TweakBar::GroupDefinition(GetTypeName());
    if (instanceOnly)
    {
        bar.AddVarRW("ID", TweakType::Int, &m_playerIndex, group);
        bar.AddVarRW("Type", TweakType::Int, &m_controllerType, group);
    }
    m_mover.AddToTweakBar(bar, instanceOnly, group);
}
