#include "check/RacerCheck.h"

#include "check/ProblemReport.h"
#include "check/RaceScene.h"

#include <map>

namespace
{
constexpr int kPlayers = 4;
} // namespace

void RacerCheck::Run(const ContentTree& tree, ProblemReport& report) const
{
    for (const std::string& name : tree.RaceScenes())
        if (const SceneFile* scene = tree.FindScene(name))
        {
            const RaceScene race(tree, *scene);
            CheckIndices(race, report);
            CheckAllPlayers(race, report);
        }
}

void RacerCheck::CheckIndices(const RaceScene& race, ProblemReport& report)
{
    std::map<int, const Racer*> seen;
    for (const Racer& racer : race.Racers())
    {
        const std::string& path = race.Scene().source.path;
        const std::string who = racer.entry->Describe();
        if (!racer.indexGiven)
            report.Problem(
                path, racer.entry->Line(),
                who + " is a racer whose Controller gives no player index (its first field, \"ID\"), "
                      "so it races as player 0; give it one of 0 to 3");
        else if (racer.playerIndex < 0 || racer.playerIndex >= kPlayers)
            report.Problem(path, racer.entry->Line(),
                           who + " is player " + std::to_string(racer.playerIndex) +
                               ", but racers are players 0 to 3 (the Controller's \"ID\")");
        // Without an index of its own the racer is already reported; its clash with player 0 is the same
        // fault.
        if (!racer.indexGiven)
            continue;
        auto [other, isFirst] = seen.emplace(racer.playerIndex, &racer);
        if (!isFirst)
            report.Problem(path, racer.entry->Line(),
                           who + " is player " + std::to_string(racer.playerIndex) + " like " +
                               other->second->entry->Describe() + "; each racer needs its own of 0 to 3");
    }
}

void RacerCheck::CheckAllPlayers(const RaceScene& race, ProblemReport& report)
{
    std::map<int, bool> present;
    for (const Racer& racer : race.Racers())
        present[racer.playerIndex] = true;
    for (int player = 0; player < kPlayers; ++player)
        if (!present.contains(player))
            report.Problem(race.Scene().source.path, 0,
                           "no racer is player " + std::to_string(player) +
                               ": a race needs four racers (objects with a Controller), players 0 to 3");
}
