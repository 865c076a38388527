#pragma once

#include "check/Check.h"

#include <string>
#include <vector>

struct ComponentSite;

/// Files that data names and the tree lacks: the meshes, effects and textures of mesh renderers
/// and the files of script components.
class FileReferenceCheck final : public Check
{
  public:
    const char* Name() const override { return "files named by data"; }
    void Run(const ContentTree& tree, ProblemReport& report) const override;

  private:
    static void CheckRenderer(const ContentTree& tree, const ComponentSite& site, ProblemReport& report);
    static void CheckScripts(const ContentTree& tree, const ComponentSite& site, ProblemReport& report);
};
