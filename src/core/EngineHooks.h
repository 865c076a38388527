#pragma once

#include <functional>
#include <string>
#include <vector>

class GameFlow;
class StartupLoader;

/// Names listed under the headings of a data file, one list per heading.
using NameLists = std::vector<std::vector<std::string>>;

/// Reads, for each heading of a data file, the first attribute of every child of the root's
/// first element of that name, in file order; one list per heading, empty where it is missing.
using NameListReader =
    std::function<NameLists(const std::string& path, const std::vector<std::string>& headings)>;

/// What the engine asks of the layers above it. The composition root fills it before the first
/// Engine is built; a slot left empty makes the engine skip that step.
struct EngineHooks
{
    /// How res/SystemData.xml and res/TrackList.xml are read: the XML format lives above core.
    NameListReader readNameLists;
    /// Whether the game runs and is paused.
    GameFlow* flow = nullptr;
    /// What start-up loads behind the loading screen.
    StartupLoader* loader = nullptr;
};
