#pragma once

#include "objects/Component.h"

#include <memory>

/// Makes new components of one type with their class's default values.
class ComponentCreator
{
  public:
    explicit ComponentCreator(ComponentType type) : m_type(type) {}
    virtual ~ComponentCreator() = default;
    virtual std::unique_ptr<Component> Create() const = 0;
    ComponentType GetType() const { return m_type; }

  private:
    ComponentType m_type;
};

/// The creator of component class T.
template <typename T> class ComponentCreatorType final : public ComponentCreator
{
  public:
    explicit ComponentCreatorType(ComponentType type) : ComponentCreator(type) {}
    std::unique_ptr<Component> Create() const override { return std::make_unique<T>(); }
};
