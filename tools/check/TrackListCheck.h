#pragma once

#include "check/Check.h"

#include <string>

/// The track list: every track the level select offers needs a scene and a preview picture
/// ("<track>_preview"); the last display entry stands for a random track and is none.
class TrackListCheck final : public Check
{
  public:
    const char* Name() const override { return "track list"; }
    void Run(const ContentTree& tree, ProblemReport& report) const override;

  private:
    static bool CheckHeadings(const ContentTree& tree, ProblemReport& report);
    static void CheckCounts(const ContentTree& tree, ProblemReport& report);
    static void CheckTrack(const ContentTree& tree, const std::string& name, int line, ProblemReport& report);
};
