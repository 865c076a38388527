#include "objects/GameObject.h"

#include "objects/Factory.h"

GameObject::GameObject(std::string name, unsigned id) : m_name(std::move(name)), m_objID(id)
{
    m_handle = LiveObjects().Add(this);
}

GameObject::~GameObject()
{
    // First, so that a component destructor that reaches scripts finds this object already gone.
    LiveObjects().Remove(m_handle);
    // Type order, explicitly: each destructor unregisters its component from its driver.
    for (auto& component : m_components)
        component.reset();
}

HandleTable<GameObject>& GameObject::LiveObjects()
{
    static HandleTable<GameObject> table;
    return table;
}

size_t GameObject::Slot(ComponentType type)
{
    const int index = static_cast<int>(type);
    return index >= 0 && index < kComponentTypeCount ? static_cast<size_t>(index) : kComponentTypeCount;
}

Component* GameObject::GetComponent(ComponentType type) const
{
    return m_components[Slot(type)].get();
}

size_t GameObject::ComponentCount() const
{
    size_t count = 0;
    for (const auto& component : m_components)
        count += component != nullptr;
    return count;
}

Component* GameObject::AddComponent(std::unique_ptr<Component> component)
{
    if (!component)
        return nullptr;
    auto& slot = m_components[Slot(component->GetType())];
    slot.reset();
    slot = std::move(component);
    slot->SetOwner(this);
    return slot.get();
}

void GameObject::CloneComponentsFrom(const GameObject& archetype)
{
    for (const auto& component : archetype.m_components)
        if (component)
            AddComponent(component->Clone());
}

void GameObject::InitializeComponents()
{
    for (auto& component : m_components)
        if (component)
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
