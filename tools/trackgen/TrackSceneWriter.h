#pragma once

#include "TrackLayout.h"

#include <string>

/// The hover spring offset the racers are written with, as in the racer archetypes: a ball of
/// radius 1 held this high rides with its underside just clear of the boards.
inline const Vector4 kRacerSpringOffset{0, 1.2f, 0, 0};

/// Archetype names the generated scene refers to.
struct TrackArchetypes
{
    std::string racers[4] = {"Racer1", "Racer2", "Racer3", "Racer4"};
    std::string ground = "GroundPiece";
    std::string wall = "Wall";
    std::string gate = "Gate";
    std::string node = "RaceNode";
    std::string logic = "RaceLogic";           ///< the level's scripts: countdown, laps, respawns, finish
    std::string sky;                           ///< the sky dome; none when empty
    std::string skyTexture;                    ///< overrides the dome's texture when not empty
    std::string groundSurface = "TrackGround"; ///< draws the boards of the whole track
    std::string wallSurface = "TrackWalls";    ///< draws the walls of the whole track
    std::string groundMesh;                    ///< mesh file of the boards; no surface objects when empty
    std::string wallMesh;                      ///< mesh file of the walls
    std::string orbSpawner = "OrbSpawner";     ///< puts the element orbs that charge powers
    std::string boost = "BoostPlatform";       ///< speeds up and charges the racer on it
    std::string hazard = "HazardSurface";      ///< lava, water or cloud that puts a ball back
    std::string groundTexture;                 ///< overrides the boards' texture when not empty
    std::string wallTexture;                   ///< overrides the walls' texture when not empty
};

/// Writes the layout as a scene file: racers first (ids 1 to 4, or 1, 3, 4 and 5 when there is a
/// sky dome, which takes id 2: the object the renderer keeps on the camera), then ground, walls,
/// gates, nodes, the level's logic object, the objects that draw the track's surfaces, the orb
/// spawners and boost platforms, and last the hazard surfaces.
/// Returns false when the file cannot be written.
bool WriteTrackScene(const TrackLayout& layout, const TrackArchetypes& archetypes, const std::string& path);
