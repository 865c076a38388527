#include "TrackLayout.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr int kDenseSamplesPerSpan = 48;
constexpr float kPi = 3.14159265f;
constexpr float kGateHeight = 20.0f;
constexpr float kGateDepth = 2.0f;
constexpr float kHoverHeight = 2.0f;
constexpr float kOrbHeight = 2.0f; // at the height the balls ride, so a racer passing through touches it
// A bridge narrows and widens again over this far, so a ball on the edge is steered, not stopped.
constexpr float kBridgeTaper = 10.0f;

Vector4 CatmullRom(const Vector4& p0, const Vector4& p1, const Vector4& p2, const Vector4& p3, float t)
{
    const float t2 = t * t;
    const float t3 = t2 * t;
    Vector4 r = (p1 * 2.0f + (p2 - p0) * t + (p0 * 2.0f - p1 * 5.0f + p2 * 4.0f - p3) * t2 +
                 (p1 * 3.0f - p0 - p2 * 3.0f + p3) * t3) *
                0.5f;
    r.w = 1.0f;
    return r;
}

float Lerp(float a, float b, float t)
{
    return a + (b - a) * t;
}

// How far `distance` lies past `at`, going round the loop.
float Past(float distance, float at, float length)
{
    return std::fmod(std::fmod(distance - at, length) + 2.0f * length, length);
}

bool InGap(const TrackDescription& d, float distance, float length, float margin = 0.0f)
{
    for (const TrackGap& gap : d.gaps)
        if (InStretch(distance, gap.at, gap.length, length, margin))
            return true;
    return false;
}

// The ramp climbs slowly at first and steepest at the lip, so a ball leaves it rising; it holds
// its height into the gap, where no boards show the drop back to the line's own height.
float RampLift(const TrackDescription& d, float distance, float length)
{
    float lift = 0.0f;
    for (const TrackGap& gap : d.gaps)
    {
        if (gap.rampRise <= 0.0f)
            continue;
        const float u = Past(distance, gap.at - gap.rampRun, length);
        if (u < gap.rampRun)
            lift = std::max(lift, gap.rampRise * (u / gap.rampRun) * (u / gap.rampRun));
        else if (u < gap.rampRun + gap.length * 0.5f)
            lift = std::max(lift, gap.rampRise);
    }
    return lift;
}

float BridgeWidth(const TrackDescription& d, float distance, float width, float length)
{
    for (const TrackBridge& bridge : d.bridges)
    {
        const float u = Past(distance, bridge.stretch.at - kBridgeTaper, length);
        const float span = bridge.stretch.length + 2.0f * kBridgeTaper;
        if (u >= span)
            continue;
        const float in = std::min({u / kBridgeTaper, (span - u) / kBridgeTaper, 1.0f});
        width = std::min(width, Lerp(width, bridge.width, in));
    }
    return width;
}

float DistanceToNextGap(const TrackDescription& d, float distance, float length)
{
    float best = length;
    for (const TrackGap& gap : d.gaps)
        best = std::min(best, std::fmod(gap.at - distance + 2.0f * length, length));
    return best;
}

Vector4 RightOf(const Vector4& tangent)
{
    return Vector4{tangent.z, 0.0f, -tangent.x, 0.0f}.Normalized();
}
} // namespace

bool InStretch(float distance, float at, float stretchLength, float loopLength, float margin)
{
    return Past(distance, at - margin, loopLength) <= stretchLength + 2.0f * margin;
}

bool HasWallsAt(const TrackDescription& d, float distance, float length)
{
    for (const TrackStretch& open : d.openings)
        if (InStretch(distance, open.at, open.length, length))
            return false;
    for (const TrackBridge& bridge : d.bridges)
        if (!bridge.walls && InStretch(distance, bridge.stretch.at, bridge.stretch.length, length))
            return false;
    return true;
}

Quaternion OrientAlong(const Vector4& tangent, float bankDegrees)
{
    const Vector4 t = tangent.Normalized();
    const float yaw = std::atan2(t.x, t.z);
    const float pitch = -std::asin(std::clamp(t.y, -1.0f, 1.0f));
    const Quaternion qYaw = Quaternion::FromAxisAngle({0, 1, 0, 0}, yaw);
    const Quaternion qPitch = Quaternion::FromAxisAngle({1, 0, 0, 0}, pitch);
    const Quaternion qRoll = Quaternion::FromAxisAngle({0, 0, 1, 0}, bankDegrees * kPi / 180.0f);
    return (qYaw * qPitch * qRoll).Normalized();
}

CentreLine::CentreLine(const TrackDescription& d)
{
    const size_t n = d.points.size();
    if (n < 3)
        return;
    for (size_t i = 0; i < n; ++i)
    {
        const TrackPoint& a = d.points[i];
        const TrackPoint& b = d.points[(i + 1) % n];
        for (int k = 0; k < kDenseSamplesPerSpan; ++k)
        {
            const float t = static_cast<float>(k) / kDenseSamplesPerSpan;
            CentreSample s;
            s.position = CatmullRom(d.points[(i + n - 1) % n].position, a.position, b.position,
                                    d.points[(i + 2) % n].position, t);
            s.width = Lerp(a.width > 0 ? a.width : d.width, b.width > 0 ? b.width : d.width, t);
            s.bankDegrees = Lerp(a.bankDegrees, b.bankDegrees, t);
            m_dense.push_back(s);
        }
    }
    Measure();
    ShapeStretches(d);
}

void CentreLine::ShapeStretches(const TrackDescription& d)
{
    if (d.bridges.empty() &&
        std::none_of(d.gaps.begin(), d.gaps.end(), [](const TrackGap& gap) { return gap.rampRise > 0.0f; }))
        return;
    const float length = Length();
    for (size_t i = 0; i < m_dense.size(); ++i)
    {
        m_dense[i].position.y += RampLift(d, m_lengths[i], length);
        m_dense[i].width = BridgeWidth(d, m_lengths[i], m_dense[i].width, length);
    }
    Measure();
}

void CentreLine::Measure()
{
    m_lengths.clear();
    float total = 0.0f;
    for (size_t i = 0; i < m_dense.size(); ++i)
    {
        const Vector4 next = m_dense[(i + 1) % m_dense.size()].position;
        m_dense[i].tangent = (next - m_dense[i].position).Normalized();
        m_lengths.push_back(total);
        total += (next - m_dense[i].position).Length();
    }
    m_lengths.push_back(total);
}

CentreSample CentreLine::At(float distance) const
{
    if (m_dense.empty())
        return {};
    const float length = Length();
    distance = std::fmod(std::fmod(distance, length) + length, length);
    const auto upper = std::upper_bound(m_lengths.begin(), m_lengths.end(), distance);
    const size_t i =
        static_cast<size_t>(std::max<std::ptrdiff_t>(upper - m_lengths.begin() - 1, 0)) % m_dense.size();
    const CentreSample& a = m_dense[i];
    const CentreSample& b = m_dense[(i + 1) % m_dense.size()];
    const float span = m_lengths[i + 1] - m_lengths[i];
    const float t = span > 0.0f ? (distance - m_lengths[i]) / span : 0.0f;
    CentreSample s;
    s.position = a.position + (b.position - a.position) * t;
    s.position.w = 1.0f;
    s.tangent = (a.tangent * (1.0f - t) + b.tangent * t).Normalized();
    s.width = Lerp(a.width, b.width, t);
    s.bankDegrees = Lerp(a.bankDegrees, b.bankDegrees, t);
    return s;
}

namespace
{
// One ground piece and its two walls for the stretch [from, to] of the centre line.
void AddPiece(const TrackDescription& d, const CentreLine& line, float from, float to, TrackLayout& layout)
{
    const CentreSample a = line.At(from);
    const CentreSample b = line.At(to);
    const CentreSample mid = line.At((from + to) * 0.5f);
    const Vector4 along = b.position - a.position;
    // Pieces overlap a little, and more on bends, so no seam opens on the outside of a curve.
    const float turn = std::acos(std::clamp(a.tangent.Dot(b.tangent), -1.0f, 1.0f));
    const float length = along.Length() + mid.width * std::sin(turn) * 0.5f + 0.4f;
    const Quaternion rotation = OrientAlong(along, mid.bankDegrees);
    const Vector4 up = rotation.Rotate({0, 1, 0, 0});
    const Vector4 right = rotation.Rotate({1, 0, 0, 0});
    const Vector4 centre = (a.position + b.position) * 0.5f;

    Placement ground;
    ground.position = centre - up * (d.thickness * 0.5f);
    ground.position.w = 1.0f;
    ground.scale = {mid.width, d.thickness, length, 0};
    ground.rotation = rotation;
    layout.ground.push_back(ground);
    layout.groundSpans.push_back({from, to});
    if (!HasWallsAt(d, (from + to) * 0.5f, line.Length()))
        return;
    for (float side : {-1.0f, 1.0f})
    {
        Placement wall;
        const float lift = d.wallHeight * 0.5f - d.thickness * 0.5f;
        wall.position = centre + right * (side * (mid.width + d.wallThickness) * 0.5f) + up * lift;
        wall.position.w = 1.0f;
        wall.scale = {d.wallThickness, d.wallHeight + d.thickness, length, 0};
        wall.rotation = rotation;
        layout.walls.push_back(wall);
    }
}

void AddGroundAndWalls(const TrackDescription& d, const CentreLine& line, TrackLayout& layout)
{
    const int count = std::max(3, static_cast<int>(std::ceil(layout.length / d.pieceLength)));
    const float step = layout.length / static_cast<float>(count);
    for (int i = 0; i < count; ++i)
    {
        const float from = step * static_cast<float>(i);
        if (!InGap(d, from + step * 0.5f, layout.length, step * 0.5f))
            AddPiece(d, line, from, from + step, layout);
    }
    // Neighbours: the piece itself and those on either side, so the hover probe rarely has to test
    // the whole track.
    const int pieces = static_cast<int>(layout.ground.size());
    layout.groundNeighbours.resize(layout.ground.size());
    for (int i = 0; i < pieces; ++i)
        for (int offset : {0, 1, -1, 2, -2})
            layout.groundNeighbours[static_cast<size_t>(i)].push_back(((i + offset) % pieces + pieces) %
                                                                      pieces);
}

void AddGates(const TrackDescription& d, const CentreLine& line, TrackLayout& layout)
{
    for (int number = 1; number <= d.gateCount; ++number)
    {
        float at = layout.length * static_cast<float>(number) / static_cast<float>(d.gateCount);
        // Racers may still be in the air just after a gap: keep gates well clear of it.
        while (InGap(d, at, layout.length, 20.0f))
            at += 2.0f;
        const CentreSample s = line.At(at);
        GatePlacement gate;
        gate.number = number;
        gate.facing = Vector4{s.tangent.x, 0, s.tangent.z, 0}.Normalized();
        gate.box.position = s.position + Vector4{0, kGateHeight * 0.5f - 1.0f, 0, 0};
        gate.box.scale = {s.width + 2.0f * d.wallThickness, kGateHeight, kGateDepth, 0};
        gate.box.rotation = OrientAlong(gate.facing, 0.0f);
        layout.gates.push_back(gate);
    }
}

void AddNodes(const TrackDescription& d, const CentreLine& line, TrackLayout& layout)
{
    const int count = std::max(3, static_cast<int>(std::floor(layout.length / d.nodeSpacing)));
    const float spacing = layout.length / static_cast<float>(count);
    for (int i = 0; i < count; ++i)
    {
        const float at = d.gridOffset + spacing * static_cast<float>(i + 1);
        const CentreSample s = line.At(at);
        NodePlacement node;
        node.position = s.position + Vector4{0, kHoverHeight, 0, 0};
        node.facing = Vector4{s.tangent.x, 0, s.tangent.z, 0}.Normalized();
        node.radius = s.width * 0.6f;
        const float toGap = DistanceToNextGap(d, at, layout.length);
        node.cpNode = i % d.cpNodeEvery == 0;
        // A node that is both would make a racer jump twice in one frame.
        node.shouldJump =
            !node.cpNode && toGap > 0.0f && toGap <= d.jumpLeadIn && !InGap(d, at, layout.length);
        layout.nodes.push_back(node);
    }
}

void AddGrid(const TrackDescription& d, const CentreLine& line, TrackLayout& layout)
{
    for (int racer = 0; racer < 4; ++racer)
    {
        const CentreSample s = line.At(d.gridOffset - 6.0f * static_cast<float>(racer / 2));
        const float lane = (racer % 2 == 0 ? -0.25f : 0.25f) * s.width;
        SpawnPlacement spawn;
        spawn.facing = Vector4{s.tangent.x, 0, s.tangent.z, 0}.Normalized();
        spawn.position = s.position + RightOf(s.tangent) * lane + Vector4{0, kHoverHeight, 0, 0};
        spawn.position.w = 1.0f;
        layout.spawns.push_back(spawn);
    }
}
// Charge lies where the race line runs, never over a gap nor on the starting grid.
void AddOrbSpawners(const TrackDescription& d, const CentreLine& line, TrackLayout& layout)
{
    if (d.orbSpacing <= 0.0f)
        return;
    size_t turn = 0;
    for (float at = d.gridOffset + d.orbSpacing; at < layout.length + d.gridOffset - 10.0f;
         at += d.orbSpacing)
    {
        if (InGap(d, at, layout.length, 6.0f))
            continue;
        const CentreSample s = line.At(at);
        const float lateral = d.orbLaterals[turn++ % d.orbLaterals.size()];
        Placement orb;
        orb.position = s.position + RightOf(s.tangent) * lateral + Vector4{0, kOrbHeight, 0, 0};
        orb.position.w = 1.0f;
        layout.orbSpawners.push_back(orb);
    }
}

void AddBoosts(const TrackDescription& d, const CentreLine& line, TrackLayout& layout)
{
    for (const TrackBoost& boost : d.boosts)
    {
        const CentreSample s = line.At(boost.at);
        Placement pad;
        pad.position = s.position + RightOf(s.tangent) * boost.lateral;
        pad.position.w = 1.0f;
        pad.rotation = OrientAlong(s.tangent, s.bankDegrees);
        layout.boosts.push_back(pad);
    }
}

// The sheet reaches as far as the sky dome, so no edge of it shows against the sky from any view.
constexpr float kHazardMargin = 2500.0f;
// The trigger below a hazard's surface is this deep: a ball falling fast cannot pass through it
// between two physics steps.
constexpr float kHazardDepth = 20.0f;

void AddHazards(const TrackDescription& d, const CentreLine& line, TrackLayout& layout)
{
    if (d.hazards.empty())
        return;
    Vector4 low{1e9f, 0, 1e9f, 0}, high{-1e9f, 0, -1e9f, 0};
    for (float at = 0.0f; at < layout.length; at += 2.0f)
    {
        const Vector4 p = line.At(at).position;
        low = {std::min(low.x, p.x), 0, std::min(low.z, p.z), 0};
        high = {std::max(high.x, p.x), 0, std::max(high.z, p.z), 0};
    }
    for (const TrackHazard& hazard : d.hazards)
    {
        HazardPlacement placed;
        placed.sheet.position = {(low.x + high.x) * 0.5f, hazard.height, (low.z + high.z) * 0.5f, 1};
        placed.sheet.scale = {high.x - low.x + 2.0f * kHazardMargin, kHazardDepth,
                              high.z - low.z + 2.0f * kHazardMargin, 0};
        placed.texture = hazard.texture;
        placed.tileX = placed.sheet.scale.x / hazard.tile;
        placed.tileY = placed.sheet.scale.z / hazard.tile;
        layout.hazards.push_back(placed);
    }
}
} // namespace

TrackLayout BuildTrackLayout(const TrackDescription& description)
{
    TrackLayout layout;
    const CentreLine line(description);
    layout.length = line.Length();
    if (layout.length <= 0.0f)
        return layout;
    AddGroundAndWalls(description, line, layout);
    AddGates(description, line, layout);
    AddNodes(description, line, layout);
    AddGrid(description, line, layout);
    AddOrbSpawners(description, line, layout);
    AddBoosts(description, line, layout);
    AddHazards(description, line, layout);
    return layout;
}
