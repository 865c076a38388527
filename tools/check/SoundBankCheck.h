#pragma once

#include "check/Check.h"

#include <string>
#include <vector>

namespace tinyxml2
{
class XMLElement;
}

/// The sound bank manifest, res/audio/bank.xml: well-formed, every path under "event:/", every
/// file there, loop and volume values the game understands, and every event the program, the
/// level scripts and the menus play. A tree without a bank is allowed: the game runs silent.
class SoundBankCheck final : public Check
{
  public:
    const char* Name() const override { return "sound bank"; }
    void Run(const ContentTree& tree, ProblemReport& report) const override;
    /// The event paths every build must ship (without "event:/").
    static const std::vector<std::string>& RequiredEvents();

  private:
    static void CheckEvent(const ContentTree& tree, const tinyxml2::XMLElement& event,
                           const std::string& bank, ProblemReport& report);
};
