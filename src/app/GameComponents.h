#pragma once

#include "objects/ComponentCatalog.h"

/// The game's component classes, subsystem by subsystem, and the systems that drive them.
class GameComponents final : public ComponentCatalog
{
  public:
    /// The graphics, physics, text, sound, checkpoint and race-line systems, in that order.
    void ConstructDrivers() const override;
    /// Every component class of every layer.
    void RegisterCreators(Factory& factory) const override;

  private:
    static void RegisterObjectComponents(Factory& factory);
    static void RegisterPhysicsComponents(Factory& factory);
    static void RegisterGraphicsComponents(Factory& factory);
    static void RegisterGameplayComponents(Factory& factory);
    static void RegisterParticleComponents(Factory& factory);
    static void RegisterScriptComponents(Factory& factory);
};
