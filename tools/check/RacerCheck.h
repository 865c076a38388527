#pragma once

#include "check/Check.h"

class RaceScene;

/// The racers of each race scene (objects with a Controller): four of them, players 0 to 3, each
/// index given on purpose.
class RacerCheck final : public Check
{
  public:
    const char* Name() const override { return "racers"; }
    void Run(const ContentTree& tree, ProblemReport& report) const override;

  private:
    static void CheckIndices(const RaceScene& race, ProblemReport& report);
    static void CheckAllPlayers(const RaceScene& race, ProblemReport& report);
};
