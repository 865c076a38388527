#pragma once

#include "math/Vector4.h"

#include <array>
#include <vector>

/// One racer's standing: its player index and how far round the race it is.
struct RankEntry
{
    int player = 0;
    float score = 0.0f;
};

/// Score of a racer still running: laps and gates passed, less how far it still is from the next
/// gate's reference point (squared distances, as a fraction of the gap between the two gates).
/// A zero gap between the gates counts as no progress towards the next one, never as NaN; the
/// fraction is bounded below 1 so gates passed always outrank distance.
float RunningScore(int lapsDone, int topGate, int lastGateNumber, const Vector4& position,
                   const Vector4& currentReference, const Vector4& nextReference);
/// Score of a finished racer: ahead of every runner, earlier finishers first.
float FinishedScore(int finishPlace, int lapsToRun);
/// Sorts best first; equal scores keep their order (lower player index first when given in order).
void SortRanking(std::vector<RankEntry>& ranking);
/// "st", "nd", "rd" or "th" for a 1-based place.
const char* PlaceSuffix(int place);
