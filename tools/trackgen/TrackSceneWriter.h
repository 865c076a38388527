#pragma once

#include "TrackLayout.h"

#include <string>

/// Archetype names the generated scene refers to.
struct TrackArchetypes
{
    std::string racers[4] = {"Racer1", "Racer2", "Racer3", "Racer4"};
    std::string ground = "GroundPiece";
    std::string wall = "Wall";
    std::string gate = "Gate";
    std::string node = "RaceNode";
    std::string logic = "RaceLogic"; ///< the level's scripts: countdown, laps, respawns, finish
};

/// Writes the layout as a scene file: racers with ids 1 to 4, then ground, walls, gates, nodes
/// and last the level's logic object.
/// Returns false when the file cannot be written.
bool WriteTrackScene(const TrackLayout& layout, const TrackArchetypes& archetypes, const std::string& path);
