#include "particles/DecoratorComp.h"

#include "core/TweakBar.h"
#include "objects/FieldList.h"
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

const ComponentFields* DecoratorComp::Fields() const
{
    static const ComponentFieldList<DecoratorComp> fields = []
    {
        ComponentFieldList<DecoratorComp> list(ComponentType::DecoratorComp);
        list.AddCustom("decorators", "DT_Scale, DT_Life", "decorators")
            .ReadWith([](DecoratorComp& comp, const XmlElement* element) { comp.ReadDecorators(element); })
            .WriteWith(
                [](const DecoratorComp& comp, XmlFile& file, XmlElement* element, bool)
                {
                    for (const auto& slot : comp.m_slots)
                        if (slot)
                            slot->Serialize(file, element);
                })
            .CloneWith(
                [](const DecoratorComp& from, DecoratorComp& to)
                {
                    for (size_t i = 0; i < from.m_slots.size(); ++i)
                        if (from.m_slots[i])
                            to.m_slots[i] = from.m_slots[i]->Clone();
                })
            .TextWith(
                [](const DecoratorComp& comp)
                {
                    std::string text;
                    for (const auto& slot : comp.m_slots)
                        if (slot)
                            text.append(slot->Fields().ElementName())
                                .append(FieldText::Braced(slot->Fields().Text(*slot)));
                    return text;
                })
            .Nested({&ScaleDecorator().Fields(), &LifeCompDecorator().Fields()});
        return list;
    }();
    return &fields;
}

void DecoratorComp::ReadDecorators(const XmlElement* element)
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
