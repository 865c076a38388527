#include "check/GateCheck.h"

#include "check/ProblemReport.h"
#include "check/RaceScene.h"

#include <algorithm>
#include <map>

namespace
{
// Below this the gate has no direction to be crossed in: the game's test needs a positive dot.
constexpr float kNoFacing = 1e-6f;

int HighestNumber(const RaceScene& race)
{
    int top = 0;
    for (const RaceGate& gate : race.Gates())
        top = std::max(top, gate.number);
    return top;
}

std::map<int, std::vector<const RaceGate*>> ByNumber(const RaceScene& race)
{
    std::map<int, std::vector<const RaceGate*>> numbers;
    for (const RaceGate& gate : race.Gates())
        numbers[gate.number].push_back(&gate);
    return numbers;
}
} // namespace

void GateCheck::Run(const ContentTree& tree, ProblemReport& report) const
{
    for (const std::string& name : tree.RaceScenes())
        if (const SceneFile* scene = tree.FindScene(name))
        {
            const RaceScene race(tree, *scene);
            if (race.Gates().empty())
            {
                report.Problem(
                    scene->source.path, 0,
                    "the race has no gates (objects with a CheckPoint), so laps never count and the "
                    "race never ends");
                continue;
            }
            CheckNumbers(race, report);
            CheckPassable(race, report);
            CheckFinishLine(race, report);
        }
}

void GateCheck::CheckNumbers(const RaceScene& race, ProblemReport& report)
{
    const std::string& path = race.Scene().source.path;
    const auto numbers = ByNumber(race);
    for (const auto& [number, gates] : numbers)
    {
        if (number < 1)
            report.Problem(path, gates.front()->entry->Line(),
                           gates.front()->entry->Describe() + " is gate " + std::to_string(number) +
                               ", but racers start looking for gate 1; number the gates 1 to N in lap order");
        for (size_t i = 1; i < gates.size(); ++i)
            report.Warning(path, gates[i]->entry->Line(),
                           gates[i]->entry->Describe() + " is gate " + std::to_string(number) + " like " +
                               gates.front()->entry->Describe() + ": alternative gates, either one counts");
    }
    CheckGaps(race, numbers, report);
}

void GateCheck::CheckGaps(const RaceScene& race, const std::map<int, std::vector<const RaceGate*>>& numbers,
                          ProblemReport& report)
{
    for (int number = 1; number < HighestNumber(race); ++number)
    {
        if (numbers.contains(number))
            continue;
        const RaceGate* next = numbers.upper_bound(number)->second.front();
        report.Problem(race.Scene().source.path, next->entry->Line(),
                       "there is no gate " + std::to_string(number) + ", so no racer ever passes gate " +
                           std::to_string(next->number) + " (" + next->entry->Describe() +
                           ") and laps never count; number the gates 1 to N in lap order without a gap");
    }
}

void GateCheck::CheckPassable(const RaceScene& race, ProblemReport& report)
{
    for (const RaceGate& gate : race.Gates())
    {
        const std::string who = gate.entry->Describe() + " (gate " + std::to_string(gate.number) + ")";
        if (!gate.hasCollider)
            report.Problem(race.Scene().source.path, gate.entry->Line(),
                           who + " has no Collider, so no racer ever passes it; give its archetype one");
        if (gate.facing.Dot(gate.facing) < kNoFacing)
            report.Problem(race.Scene().source.path, gate.entry->Line(),
                           who + " faces nowhere ('facing' is zero), so no racer ever passes it; give it the "
                                 "direction of the lap");
    }
}

void GateCheck::CheckFinishLine(const RaceScene& race, ProblemReport& report)
{
    // A lap ends at the highest-numbered gate; the grid stands just past it, so that gate is the
    // one nearest the grid. Anywhere else the first lap is cut short or runs long.
    const std::optional<Vector4> grid = race.GridCentre();
    if (!grid)
        return;
    auto nearer = [&](const RaceGate& a, const RaceGate& b)
    { return GroundDistance(a.position, *grid) < GroundDistance(b.position, *grid); };
    const RaceGate& nearest = *std::min_element(race.Gates().begin(), race.Gates().end(), nearer);
    const int top = HighestNumber(race);
    if (nearest.number == top)
        return;
    report.Problem(race.Scene().source.path, nearest.entry->Line(),
                   "the gate nearest the starting grid is gate " + std::to_string(nearest.number) + " (" +
                       nearest.entry->Describe() + "), but a lap ends at the highest-numbered gate, " +
                       std::to_string(top) +
                       "; put the last gate on the finish line just behind the grid, or the first lap is cut "
                       "short or runs long");
}
