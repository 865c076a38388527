#include "objects/GameObject.h"

#include "objects/Factory.h"

GameObject::~GameObject()
{
    // Type order, explicitly: each destructor unregisters its component from its driver.
    for (auto& [type, component] : m_components)
        component.reset();
}

Component* GameObject::GetComponent(ComponentType type) const
{
    auto found = m_components.find(type);
    return found == m_components.end() ? nullptr : found->second.get();
}

Component* GameObject::AddComponent(std::unique_ptr<Component> component)
{
    if (!component)
        return nullptr;
    const ComponentType type = component->GetType();
    auto& slot = m_components[type];
    slot.reset();
    slot = std::move(component);
    slot->SetOwner(this);
    return slot.get();
}

void GameObject::CloneComponentsFrom(const GameObject& archetype)
{
    for (const auto& [type, component] : archetype.m_components)
        AddComponent(component->Clone());
}

void GameObject::InitializeComponents()
{
    for (auto& [type, component] : m_components)
        component->Initialize();
}

void GameObject::LoadComponents(XmlFile& file, const XmlElement* element)
{
    if (!element)
        return;
    for (const XmlElement* child = element->FirstChildElement(); child; child = child->NextSiblingElement())
    {
        std::unique_ptr<Component> component = Factory::Instance().CreateComponent(child->Name());
        if (!component)
            continue;
        component->Deserialize(file, child);
        AddComponent(std::move(component));
    }
}
