#pragma once

#include "check/Check.h"

struct SceneFile;

/// Archetype names: files that name none or the same as another, and names that scenes and
/// spawners use but no archetype carries (those objects are left out).
class ArchetypeCheck final : public Check
{
  public:
    const char* Name() const override { return "archetypes"; }
    void Run(const ContentTree& tree, ProblemReport& report) const override;

  private:
    static void CheckNames(const ContentTree& tree, ProblemReport& report);
    static void CheckScene(const ContentTree& tree, const SceneFile& scene, ProblemReport& report);
    static void CheckSpawnLists(const ContentTree& tree, ProblemReport& report);
};
