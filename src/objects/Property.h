#pragma once

#include "objects/Component.h"
#include "objects/ObjectTag.h"

/// Gives an object its tag, through which Logic finds it.
class Property final : public Component
{
public:
    Property() : Component(ComponentType::Property) {}
    ~Property() override;

    ObjectTag GetTag() const { return m_tag; }
    void SetTag(ObjectTag tag) { m_tag = tag; }

    void Initialize() override;
    std::unique_ptr<Component> Clone() const override;
    /// The "value" of the first child element is the tag's name.
    void Deserialize(XmlFile& file, const XmlElement* element) override;
    /// Writes the string field "Tag"; nothing at all when `instanceOnly`.
    void Serialize(XmlFile& file, XmlElement* parent, bool instanceOnly) const override;
    void AddToTweakBar(TweakBar& bar, bool instanceOnly) override;

private:
    ObjectTag m_tag = ObjectTag::Player;
    bool m_registered = false;
};
