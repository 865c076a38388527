#pragma once

#include "check/Check.h"
#include "objects/XmlFile.h"

#include <string>

/// Particle effect files (res/particleeffects/*.xml): well-formed, every setting and behaviour
/// one the emitter knows, a pool size it takes as written, and a texture and material that exist.
class ParticleEffectCheck final : public Check
{
  public:
    const char* Name() const override { return "particle effects"; }
    void Run(const ContentTree& tree, ProblemReport& report) const override;

  private:
    static void CheckFile(const ContentTree& tree, const std::string& path, ProblemReport& report);
    static void CheckSetting(const ContentTree& tree, const std::string& path, const XmlElement* setting,
                             ProblemReport& report);
    static void CheckBehaviour(const std::string& path, const XmlElement* behaviour, ProblemReport& report);
};
