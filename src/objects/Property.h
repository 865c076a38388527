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
    /// The tag as the string field "Tag", read from the first child whatever its name; nothing
    /// at all is written for a placed object.
    const ComponentFields* Fields() const override;

  private:
    ObjectTag m_tag = ObjectTag::Player;
    bool m_registered = false;
};
