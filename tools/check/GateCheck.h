#pragma once

#include "check/Check.h"

#include <map>
#include <vector>

class RaceScene;
struct RaceGate;

/// The gates of each race scene: numbered 1 to N without a gap (or laps never count), able to
/// be passed, and the last one on the finish line, where the racers start.
class GateCheck final : public Check
{
  public:
    const char* Name() const override { return "gates"; }
    void Run(const ContentTree& tree, ProblemReport& report) const override;

  private:
    static void CheckNumbers(const RaceScene& race, ProblemReport& report);
    static void CheckGaps(const RaceScene& race, const std::map<int, std::vector<const RaceGate*>>& numbers,
                          ProblemReport& report);
    static void CheckPassable(const RaceScene& race, ProblemReport& report);
    static void CheckFinishLine(const RaceScene& race, ProblemReport& report);
};
