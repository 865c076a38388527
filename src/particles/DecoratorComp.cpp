#include "particles/DecoratorComp.h"

#include "core/TweakBar.h"
#include "objects/GameObject.h"
#include "objects/Logic.h"

DecoratorComp::DecoratorComp() : Component(ComponentType::DecoratorComp)
{
    s_selectedKind = 0;
}

DecoratorComp::~DecoratorComp()
{
    if (m_registered)
        Logic::Instance().UnregisterDecorator(this);
    for (auto& slot : m_slots)
        if (slot && GetOwner())
            slot->Remove(*GetOwner());
}

std::unique_ptr<Decorator> DecoratorComp::Make(int kind)
{
    if (kind == 0)
        return std::make_unique<ScaleDecorator>();
    if (kind == 1)
        return std::make_unique<LifeCompDecorator>();
    return nullptr;
}

Decorator* DecoratorComp::Get(int kind) const
{
    return kind >= 0 && kind < kKindCount ? m_slots[static_cast<size_t>(kind)].get() : nullptr;
}

void DecoratorComp::Add(int kind)
{
    if (kind >= 0 && kind < kKindCount && !m_slots[static_cast<size_t>(kind)])
        m_slots[static_cast<size_t>(kind)] = Make(kind);
}

std::unique_ptr<Decorator> DecoratorComp::Take(int kind)
{
    if (kind < 0 || kind >= kKindCount || !m_slots[static_cast<size_t>(kind)])
        return nullptr;
    if (GetOwner())
        m_slots[static_cast<size_t>(kind)]->Remove(*GetOwner());
    return std::move(m_slots[static_cast<size_t>(kind)]);
}

void DecoratorComp::Remove(int kind, TweakBar& bar)
{
    std::unique_ptr<Decorator> decorator = Take(kind);
    if (!decorator)
        return;
    decorator->RemoveFromTweakBar(bar);
    bar.KeepUntilClear(std::move(decorator));
}

void DecoratorComp::Initialize()
{
    Logic::Instance().RegisterDecorator(this);
    m_registered = true;
    if (GameObject* owner = GetOwner())
        for (auto& slot : m_slots)
            if (slot)
                slot->Initialize(*owner);
}

bool DecoratorComp::Update()
{
    if (GameObject* owner = GetOwner())
        for (auto& slot : m_slots)
            if (slot)
                slot->Update(*owner);
    return true;
}

std::unique_ptr<Component> DecoratorComp::Clone() const
{
    auto copy = std::make_unique<DecoratorComp>();
    for (size_t i = 0; i < m_slots.size(); ++i)
        if (m_slots[i])
            copy->m_slots[i] = m_slots[i]->Clone();
    return copy;
}

void DecoratorComp::Deserialize(XmlFile& /*file*/, const XmlElement* element)
{
    for (const XmlElement* child = element ? element->FirstChildElement() : nullptr; child;
         child = child->NextSiblingElement())
    {
        int kind = -1;
        XmlFile::ReadValue(kind, child);
        std::unique_ptr<Decorator> decorator = Make(kind);
        if (!decorator)
            continue;
        decorator->Deserialize(child);
        if (!m_slots[static_cast<size_t>(kind)])
            m_slots[static_cast<size_t>(kind)] = std::move(decorator);
    }
}

void DecoratorComp::Serialize(XmlFile& file, XmlElement* parent, bool /*instanceOnly*/) const
{
    XmlElement* element = file.AddChildElement(parent, GetTypeName());
    for (const auto& slot : m_slots)
        if (slot)
            slot->Serialize(file, element);
}

void DecoratorComp::AddToTweakBar(TweakBar& bar, bool /*instanceOnly*/)
{
    const std::string group = TweakBar::GroupDefinition(GetTypeName());
    bar.AddEnum("Decorators", &s_selectedKind, {"Scale", "Life"}, group);
    bar.AddButton(
        "add_dec", [this] { Add(s_selectedKind); }, group);
    bar.AddButton(
        "remove_dec", [this, &bar] { Remove(s_selectedKind, bar); }, group);
    for (auto& slot : m_slots)
        if (slot)
            slot->AddToTweakBar(bar);
}
