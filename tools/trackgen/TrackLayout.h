#pragma once

#include "TrackDescription.h"
#include "math/Quaternion.h"
#include "math/Vector4.h"

#include <string>
#include <vector>

/// Where a box-shaped piece stands: centre, full size along its local axes, orientation.
struct Placement
{
    Vector4 position{0, 0, 0, 1};
    Vector4 scale{1, 1, 1, 0};
    Quaternion rotation;
};

/// A point of the centre line: where it is, which way it runs, how wide and how banked.
struct CentreSample
{
    Vector4 position{0, 0, 0, 1};
    Vector4 tangent{0, 0, 1, 0};
    float width = 16.0f;
    float bankDegrees = 0.0f;
};

struct GatePlacement
{
    Placement box;
    int number = 1;
    Vector4 facing;
};

struct NodePlacement
{
    Vector4 position{0, 0, 0, 1};
    Vector4 facing;
    float radius = 8.0f;
    bool shouldJump = false;
    bool cpNode = false;
};

struct SpawnPlacement
{
    Vector4 position{0, 0, 0, 1};
    Vector4 facing;
};

/// The stretch of the centre line one ground piece stands on, in distance from the finish line.
struct GroundSpan
{
    float from = 0.0f;
    float to = 0.0f;
};

/// A hazard surface: a flat sheet reaching well past the track on every side.
struct HazardPlacement
{
    Placement sheet; ///< centred on the track, at the surface's height; scale is its size in x and z
    std::string texture;
    float tileX = 1.0f; ///< repeats of the texture across the sheet
    float tileY = 1.0f;
};

/// Every piece of a generated track, in world space.
struct TrackLayout
{
    float length = 0.0f;
    std::vector<Placement> ground;
    std::vector<GroundSpan> groundSpans;            ///< one per ground piece, in lap order
    std::vector<std::vector<int>> groundNeighbours; ///< indices into `ground`
    std::vector<Placement> walls;
    std::vector<GatePlacement> gates;
    std::vector<NodePlacement> nodes;
    std::vector<SpawnPlacement> spawns;
    std::vector<Placement> orbSpawners; ///< on the track, a little above the boards
    std::vector<Placement> boosts;      ///< lying on the boards, facing along the track
    std::vector<HazardPlacement> hazards;
};

/// The closed centre line as a smooth curve that can be sampled by distance from the finish line.
class CentreLine
{
  public:
    explicit CentreLine(const TrackDescription& description);
    float Length() const { return m_lengths.empty() ? 0.0f : m_lengths.back(); }
    /// The sample `distance` along the line, wrapping round the loop.
    CentreSample At(float distance) const;

  private:
    /// Lifts the ramps and narrows the bridges, which are placed by distance along the line.
    void ShapeStretches(const TrackDescription& description);
    void Measure();

    std::vector<CentreSample> m_dense;
    std::vector<float> m_lengths; ///< distance of each dense sample from the start
};

/// Whether `distance` along a loop of `length` lies in the stretch, `margin` widening it both ways.
bool InStretch(float distance, float at, float stretchLength, float loopLength, float margin = 0.0f);

/// Whether the walls stand at `distance`: not on an open stretch or an open bridge.
bool HasWallsAt(const TrackDescription& description, float distance, float length);

/// Lays out ground, walls, gates, race nodes and the starting grid.
TrackLayout BuildTrackLayout(const TrackDescription& description);

/// The orientation whose local z runs along `tangent` and whose local x lies across the track,
/// rolled by `bankDegrees`.
Quaternion OrientAlong(const Vector4& tangent, float bankDegrees);
