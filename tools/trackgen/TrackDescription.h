#pragma once

#include "math/Vector4.h"

#include <optional>
#include <string>
#include <vector>

/// One control point of a track's closed centre line.
struct TrackPoint
{
    Vector4 position{0, 0, 0, 1}; ///< x, height, z
    float width = 0.0f;           ///< 0: the track's default width
    float bankDegrees = 0.0f;     ///< roll about the direction of travel
};

/// A stretch of the centre line without ground or walls, that racers must jump.
struct TrackGap
{
    float at = 0.0f; ///< distance along the centre line from the finish line
    float length = 0.0f;
    float rampRise = 0.0f; ///< how far the boards climb before the gap; 0: no ramp
    float rampRun = 30.0f; ///< over how long a stretch they climb
};

/// A stretch of the centre line, in distance from the finish line.
struct TrackStretch
{
    float at = 0.0f;
    float length = 0.0f;
};

/// A narrow stretch: the track tapers to `width` for `length` units from `at`.
struct TrackBridge
{
    TrackStretch stretch;
    float width = 8.0f;
    bool walls = true; ///< false: open sides, nothing to stop a ball going over
};

/// A surface beside and under the track that puts a ball falling into it back on the track.
struct TrackHazard
{
    float height = 0.0f;
    std::string texture;
    float tile = 24.0f; ///< world units one repeat of the texture covers
};

/// A boost platform lying on the track.
struct TrackBoost
{
    float at = 0.0f;      ///< distance along the centre line from the finish line
    float lateral = 0.0f; ///< how far right of the centre line (negative: left)
};

/// The compact description a track scene is generated from.
struct TrackDescription
{
    std::string name = "track";
    float width = 16.0f;
    float pieceLength = 6.0f;
    float thickness = 1.0f;
    float wallHeight = 3.5f;
    float wallThickness = 1.0f;
    float nodeSpacing = 10.0f;
    float jumpLeadIn = 14.0f; ///< race nodes this far before a gap make racers jump
    int gateCount = 8;
    int cpNodeEvery = 5;             ///< every n-th race node resynchronises racers that skipped nodes
    float gridOffset = 10.0f;        ///< how far past the finish line the starting grid stands
    std::string sky;                 ///< archetype of the sky dome; none when empty
    std::string logic = "RaceLogic"; ///< archetype of the level's scripts (the tutorial has its own)
    std::string skyTexture;          ///< the dome's texture; the archetype's own when empty
    std::vector<TrackPoint> points;
    std::vector<TrackGap> gaps;
    float orbSpacing = 0.0f;        ///< an orb spawner this often along the line; none when 0
    std::vector<float> orbLaterals; ///< the spawners' offsets right of centre, taken in turn
    std::vector<TrackBoost> boosts;
    std::string groundTexture;          ///< the boards' texture; the archetype's own when empty
    std::string wallTexture;            ///< the walls' texture; the archetype's own when empty
    std::vector<TrackStretch> openings; ///< stretches without walls
    std::vector<TrackBridge> bridges;
    std::vector<TrackHazard> hazards;
};

/// Reads a description: one "key value..." per line, '#' starts a comment. Bad lines are
/// reported in `errors` (one line each) and skipped.
TrackDescription ParseTrackDescription(const std::string& text, std::vector<std::string>& errors);
