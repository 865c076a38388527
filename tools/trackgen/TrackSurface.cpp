#include "TrackSurface.h"

#include "graphics/TbmFile.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace
{
// A new cross-section every few degrees of turn keeps bends round without weighing down the
// straights, which need one strip per piece.
constexpr float kDegreesPerSection = 4.0f;
constexpr int kMaxSectionsPerSpan = 6;
constexpr float kRadiansToDegrees = 57.2957795f;
// Spans that meet this closely are one run of boards: no end face between them.
constexpr float kJoinTolerance = 1e-3f;
// The surface patterns repeat every 12 units along the track (planks 2.4, kerb stripe pairs 3,
// wall stones 4 in ground.fx and wall.fx); the lap's distances are stretched a little so that a
// whole number of repeats fits and the finish line shows no seam.
constexpr float kPatternRepeat = 12.0f;

// The track across at one distance along the centre line, in the frame the ground pieces use.
struct Section
{
    Vector4 centre; ///< on the top of the boards
    Vector4 along;
    Vector4 right;
    Vector4 up;
    float halfWidth = 0.0f;
    float v = 0.0f;        ///< texture distance along the track
    float distance = 0.0f; ///< along the centre line from the finish line
};

struct Corner
{
    Vector4 position;
    Vector4 normal;
    float u = 0.0f;
    float v = 0.0f;
    float second = 0.0f; ///< x of the second texture coordinate: the boards' half width there
};

class MeshWriter
{
  public:
    explicit MeshWriter(std::vector<ModelVertex>& out) : m_out(out) {}

    /// The quad a-b-c-d (corners in order round it), wound counter-clockwise seen from its
    /// normals; u grows along `tangent` and v along `binormal`.
    void Quad(Corner a, Corner b, Corner c, Corner d, const Vector4& tangent, const Vector4& binormal)
    {
        const Vector4 facing = (b.position - a.position).Cross(c.position - a.position);
        if (facing.Dot(a.normal + b.normal + c.normal + d.normal) < 0.0f)
            std::swap(b, d);
        for (const Corner* corner : {&a, &b, &c, &a, &c, &d})
            m_out.push_back(Vertex(*corner, tangent, binormal));
    }

  private:
    static void Store(float (&out)[4], const Vector4& v, float w)
    {
        out[0] = v.x;
        out[1] = v.y;
        out[2] = v.z;
        out[3] = w;
    }

    static ModelVertex Vertex(const Corner& c, const Vector4& tangent, const Vector4& binormal)
    {
        ModelVertex vertex{};
        Store(vertex.position, c.position, 1.0f);
        Store(vertex.normal, c.normal, 0.0f);
        vertex.texCoord[0] = c.u;
        vertex.texCoord[1] = c.v;
        Store(vertex.tangent, tangent, 0.0f);
        Store(vertex.binormal, binormal, 0.0f);
        vertex.texCoord1[0] = c.second;
        return vertex;
    }

    std::vector<ModelVertex>& m_out;
};

class SurfaceBuilder
{
  public:
    SurfaceBuilder(const TrackDescription& d, const TrackLayout& layout)
        : m_d(d), m_line(d), m_length(layout.length), m_ground(m_surface.ground), m_walls(m_surface.walls)
    {
        const float repeats = std::max(1.0f, std::round(m_length / kPatternRepeat));
        m_vScale = repeats * kPatternRepeat / m_length;
    }

    TrackSurface Build(const std::vector<GroundSpan>& spans)
    {
        const size_t n = spans.size();
        for (size_t i = 0; i < n; ++i)
        {
            const GroundSpan& previous = spans[(i + n - 1) % n];
            const GroundSpan& next = spans[(i + 1) % n];
            const bool joinedBefore = n > 1 && Meets(previous.to, spans[i].from);
            const bool joinedAfter = n > 1 && Meets(spans[i].to, next.from);
            // Where spans meet, both build that section from the same distance, so their edges
            // match; across the finish line that distance is a lap further on, so the pattern runs on.
            float end = spans[i].to;
            if (joinedAfter)
                end = next.from < spans[i].from ? next.from + m_length : next.from;
            AddSpan(spans[i].from, end, !joinedBefore, !joinedAfter);
        }
        return std::move(m_surface);
    }

  private:
    bool Meets(float to, float from) const
    {
        return std::fabs(to - from) < kJoinTolerance || std::fabs(to - m_length - from) < kJoinTolerance;
    }

    Section At(float distance) const
    {
        const CentreSample s = m_line.At(distance);
        const Quaternion rotation = OrientAlong(s.tangent, s.bankDegrees);
        return {s.position,
                s.tangent,
                rotation.Rotate({1, 0, 0, 0}),
                rotation.Rotate({0, 1, 0, 0}),
                s.width * 0.5f,
                distance * m_vScale,
                distance};
    }

    void AddSpan(float from, float to, bool capStart, bool capEnd)
    {
        const float turn =
            std::acos(std::clamp(At(from).along.Dot(At(to).along), -1.0f, 1.0f)) * kRadiansToDegrees;
        const int steps =
            std::clamp(static_cast<int>(std::ceil(turn / kDegreesPerSection)), 1, kMaxSectionsPerSpan);
        Section a = At(from);
        if (capStart)
        {
            m_walled = WalledBetween(a, At(from + (to - from) / static_cast<float>(steps)));
            AddCaps(a, -1.0f);
        }
        for (int k = 1; k <= steps; ++k)
        {
            const Section b =
                At(k == steps ? to : from + (to - from) * static_cast<float>(k) / static_cast<float>(steps));
            // A wall that starts or stops where the boards go on is closed at that end.
            const bool walled = WalledBetween(a, b);
            if (walled != m_walled)
                AddWallCaps(a, walled ? -1.0f : 1.0f);
            m_walled = walled;
            AddStrip(a, b);
            a = b;
        }
        if (capEnd)
            AddCaps(a, 1.0f);
    }

    bool WalledBetween(const Section& a, const Section& b) const
    {
        float middle = (a.distance + b.distance) * 0.5f;
        if (b.distance < a.distance)
            middle += m_length * 0.5f;
        return HasWallsAt(m_d, middle, m_length);
    }

    static Vector4 Point(const Section& s, float across, float height)
    {
        Vector4 p = s.centre + s.right * across + s.up * height;
        p.w = 1.0f;
        return p;
    }

    void AddStrip(const Section& a, const Section& b)
    {
        MeshWriter ground(m_ground);
        const float ha = a.halfWidth, hb = b.halfWidth;
        ground.Quad({Point(a, -ha, 0), a.up, -ha, a.v, ha}, {Point(a, ha, 0), a.up, ha, a.v, ha},
                    {Point(b, hb, 0), b.up, hb, b.v, hb}, {Point(b, -hb, 0), b.up, -hb, b.v, hb}, a.right,
                    a.along);
        if (!m_walled)
            return;
        for (float side : {-1.0f, 1.0f})
            AddWallStrip(a, b, side);
    }

    void AddWallStrip(const Section& a, const Section& b, float side)
    {
        MeshWriter walls(m_walls);
        const float bottom = -m_d.thickness, top = m_d.wallHeight;
        for (float face : {0.0f, m_d.wallThickness})
        {
            // The inner face looks across the track, the outer one out over the water.
            const Vector4 na = a.right * (face == 0.0f ? -side : side),
                          nb = b.right * (face == 0.0f ? -side : side);
            const float xa = side * (a.halfWidth + face), xb = side * (b.halfWidth + face);
            walls.Quad({Point(a, xa, top), na, a.v, -top}, {Point(b, xb, top), nb, b.v, -top},
                       {Point(b, xb, bottom), nb, b.v, -bottom}, {Point(a, xa, bottom), na, a.v, -bottom},
                       a.along, -a.up);
        }
        const float ia = side * a.halfWidth, oa = side * (a.halfWidth + m_d.wallThickness);
        const float ib = side * b.halfWidth, ob = side * (b.halfWidth + m_d.wallThickness);
        walls.Quad({Point(a, ia, top), a.up, ia, a.v}, {Point(a, oa, top), a.up, oa, a.v},
                   {Point(b, ob, top), b.up, ob, b.v}, {Point(b, ib, top), b.up, ib, b.v}, a.right, a.along);
    }

    // The faces that close the boards and both walls where the track breaks off for a gap.
    void AddCaps(const Section& s, float direction)
    {
        const Vector4 n = s.along * direction;
        const float bottom = -m_d.thickness, h = s.halfWidth;
        MeshWriter(m_ground).Quad({Point(s, -h, 0), n, -h, 0, h}, {Point(s, h, 0), n, h, 0, h},
                                  {Point(s, h, bottom), n, h, -bottom, h},
                                  {Point(s, -h, bottom), n, -h, -bottom, h}, s.right, -s.up);
        if (m_walled)
            AddWallCaps(s, direction);
    }

    void AddWallCaps(const Section& s, float direction)
    {
        const Vector4 n = s.along * direction;
        const float bottom = -m_d.thickness, top = m_d.wallHeight, h = s.halfWidth;
        for (float side : {-1.0f, 1.0f})
        {
            const float inner = side * h, outer = side * (h + m_d.wallThickness);
            MeshWriter(m_walls).Quad({Point(s, inner, top), n, inner, -top},
                                     {Point(s, outer, top), n, outer, -top},
                                     {Point(s, outer, bottom), n, outer, -bottom},
                                     {Point(s, inner, bottom), n, inner, -bottom}, s.right, -s.up);
        }
    }

    const TrackDescription& m_d;
    CentreLine m_line;
    float m_length;
    float m_vScale = 1.0f;
    bool m_walled = true; ///< whether the strip just built has walls
    TrackSurface m_surface;
    std::vector<ModelVertex>& m_ground;
    std::vector<ModelVertex>& m_walls;
};
} // namespace

TrackSurface BuildTrackSurface(const TrackDescription& description, const TrackLayout& layout)
{
    if (layout.groundSpans.empty() || layout.length <= 0.0f)
        return {};
    return SurfaceBuilder(description, layout).Build(layout.groundSpans);
}

bool WriteModelMesh(const std::vector<ModelVertex>& vertices, const std::string& path)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(vertices.data());
    const std::vector<unsigned char> file =
        EncodeTbm(kVertexTypeModel, static_cast<uint32_t>(vertices.size()),
                  {bytes, vertices.size() * sizeof(ModelVertex)});
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out);
}
