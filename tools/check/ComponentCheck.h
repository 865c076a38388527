#pragma once

#include "check/Check.h"

struct ComponentSite;

/// Component elements the game skips: names that are no component type, and scene overrides of
/// components the object's archetype does not have.
class ComponentCheck final : public Check
{
  public:
    const char* Name() const override { return "components"; }
    void Run(const ContentTree& tree, ProblemReport& report) const override;

  private:
    static void CheckArchetypeHeadings(const ContentTree& tree, ProblemReport& report);
    static void CheckSite(const ComponentSite& site, ProblemReport& report);
    static void CheckRepeats(const ContentTree& tree, ProblemReport& report);
};
