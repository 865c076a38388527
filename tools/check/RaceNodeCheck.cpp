#include "check/RaceNodeCheck.h"

#include "check/ProblemReport.h"
#include "check/RaceScene.h"

#include <algorithm>
#include <cmath>

namespace
{
// Nodes stand at roughly even spacing; a step this many times the usual one leaves the track.
constexpr float kLongStep = 3.0f;
constexpr size_t kFewestNodes = 3;

std::string Node(const RaceLineNode& node)
{
    return "node ID " + std::to_string(node.id) + " (" + node.entry->Describe() + ")";
}

// The order the race line system follows: by ID, ties in the order the scene creates them.
std::vector<const RaceLineNode*> Chain(const RaceScene& race)
{
    std::vector<const RaceLineNode*> chain;
    for (const RaceLineNode& node : race.Nodes())
        chain.push_back(&node);
    std::stable_sort(chain.begin(), chain.end(), [](const auto* a, const auto* b) { return a->id < b->id; });
    return chain;
}

std::string Units(float length)
{
    return std::to_string(std::lround(length));
}

float Step(const std::vector<const RaceLineNode*>& chain, size_t from)
{
    return (chain[(from + 1) % chain.size()]->position - chain[from]->position).Length();
}

float MedianStep(const std::vector<const RaceLineNode*>& chain)
{
    std::vector<float> steps;
    for (size_t i = 0; i < chain.size(); ++i)
        steps.push_back(Step(chain, i));
    std::nth_element(steps.begin(), steps.begin() + static_cast<long>(steps.size() / 2), steps.end());
    return steps[steps.size() / 2];
}
} // namespace

void RaceNodeCheck::Run(const ContentTree& tree, ProblemReport& report) const
{
    for (const std::string& name : tree.RaceScenes())
        if (const SceneFile* scene = tree.FindScene(name))
        {
            const RaceScene race(tree, *scene);
            const std::vector<const RaceLineNode*> chain = Chain(race);
            if (chain.size() < kFewestNodes)
            {
                report.Problem(scene->source.path, 0,
                               "the race line has " + std::to_string(chain.size()) +
                                   " nodes (objects with a RaceNode); computer racers need at least " +
                                   std::to_string(kFewestNodes) + " round the track to follow");
                continue;
            }
            CheckRepeats(race, chain, report);
            CheckSteps(race, chain, report);
        }
}

void RaceNodeCheck::CheckRepeats(const RaceScene& race, const std::vector<const RaceLineNode*>& chain,
                                 ProblemReport& report)
{
    for (size_t i = 1; i < chain.size(); ++i)
        if (chain[i]->id == chain[i - 1]->id)
            report.Warning(race.Scene().source.path, chain[i]->entry->Line(),
                           Node(*chain[i]) + " has the ID of " + chain[i - 1]->entry->Describe() +
                               "; racers take them in the order the scene lists them");
}

void RaceNodeCheck::CheckSteps(const RaceScene& race, const std::vector<const RaceLineNode*>& chain,
                               ProblemReport& report)
{
    const float usual = MedianStep(chain);
    const std::string spacing = " while nodes are about " + Units(usual) + " apart";
    for (size_t i = 0; i < chain.size(); ++i)
    {
        if (Step(chain, i) <= kLongStep * usual)
            continue;
        const RaceLineNode& from = *chain[i];
        const RaceLineNode& to = *chain[(i + 1) % chain.size()];
        const std::string length = Units(Step(chain, i)) + " units";
        if (i + 1 == chain.size())
            report.Problem(race.Scene().source.path, from.entry->Line(),
                           "the race line does not close: after its last node, " + Node(from) +
                               ", computer racers head back to its first, " + Node(to) + ", " + length +
                               " away" + spacing + "; continue the line round to its first node");
        else
            report.Problem(race.Scene().source.path, to.entry->Line(),
                           "the race line jumps " + length + " from " + Node(from) + " to " + Node(to) +
                               spacing +
                               "; a node is misnumbered or missing, and computer racers cut across");
    }
}
