#pragma once

class Factory;

/// Every component class the game knows, and the systems that drive them. Those classes live in
/// the layers above the Factory, so the composition root fills this in.
class ComponentCatalog
{
  public:
    virtual ~ComponentCatalog() = default;
    /// Constructs the systems that components leave when they die, from the Factory's
    /// constructor: they then outlive the Factory, whose destructor deletes the objects left.
    virtual void ConstructDrivers() const = 0;
    /// Registers the creator of every component class, subsystem by subsystem.
    virtual void RegisterCreators(Factory& factory) const = 0;
};
