#include "gameplay/RaceRanking.h"

#include <algorithm>
#include <cmath>

namespace
{
// Below the knee a fraction counts as it is; above it, it approaches 1 without reaching it, so a
// racer never scores below one that has passed one gate fewer, while racers far from their next
// gate (the grid behind the finish line) stay ordered by distance.
constexpr float kKnee = 0.75f;

float BoundedFraction(float fraction)
{
    if (!std::isfinite(fraction))
        return BoundedFraction(1.0f);
    if (fraction <= kKnee)
        return std::max(fraction, 0.0f);
    const float rest = 1.0f - kKnee;
    return 1.0f - rest * rest / (fraction + rest - kKnee);
}
} // namespace

float RunningScore(int lapsDone, int topGate, int lastGateNumber, const Vector4& position,
                   const Vector4& currentReference, const Vector4& nextReference)
{
    const float gap = (nextReference - currentReference).LengthSquared();
    const float left = (nextReference - position).LengthSquared();
    const float fraction = BoundedFraction(gap > 0.0f ? left / gap : 1.0f);
    return static_cast<float>(lapsDone * topGate + lastGateNumber) - (fraction - 0.5f);
}

float FinishedScore(int finishPlace, int lapsToRun)
{
    return static_cast<float>(4 - finishPlace) * static_cast<float>(lapsToRun) * 256.0f;
}

void SortRanking(std::vector<RankEntry>& ranking)
{
    std::stable_sort(ranking.begin(), ranking.end(),
                     [](const RankEntry& a, const RankEntry& b) { return a.score > b.score; });
}

const char* PlaceSuffix(int place)
{
    switch (place)
    {
    case 1:
        return "st";
    case 2:
        return "nd";
    case 3:
        return "rd";
    default:
        return "th";
    }
}
