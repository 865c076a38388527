#pragma once

#include "check/Check.h"

#include <vector>

class RaceScene;
struct RaceLineNode;

/// The race line of each race scene: computer racers go from node to node in ID order and from
/// the last back to the first, so the chain must run round the track and close.
class RaceNodeCheck final : public Check
{
  public:
    const char* Name() const override { return "race line"; }
    void Run(const ContentTree& tree, ProblemReport& report) const override;

  private:
    static void CheckRepeats(const RaceScene& race, const std::vector<const RaceLineNode*>& chain,
                             ProblemReport& report);
    static void CheckSteps(const RaceScene& race, const std::vector<const RaceLineNode*>& chain,
                           ProblemReport& report);
};
