#include "ObjImporter.h"

#include <array>
#include <map>
#include <optional>
#include <sstream>
#include <tuple>

namespace
{
/// One corner of a face: indices into the position, texture and normal lists (-1 for none).
struct CornerRef
{
    int position = -1;
    int texCoord = -1;
    int normal = -1;
    bool operator<(const CornerRef& o) const
    {
        return std::tie(position, texCoord, normal) < std::tie(o.position, o.texCoord, o.normal);
    }
};

struct ObjLists
{
    std::vector<Vector4> positions;
    std::vector<std::array<float, 2>> texCoords;
    std::vector<Vector4> normals;
};

// OBJ indices start at 1; negative ones count back from the end of the list so far.
bool ResolveIndex(const std::string& text, size_t count, int& out)
{
    if (text.empty())
        return true;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || value == 0)
        return false;
    const long index = value > 0 ? value - 1 : static_cast<long>(count) + value;
    if (index < 0 || index >= static_cast<long>(count))
        return false;
    out = static_cast<int>(index);
    return true;
}

bool ParseCorner(const std::string& word, const ObjLists& lists, CornerRef& corner)
{
    std::string parts[3];
    std::istringstream in(word);
    for (int i = 0; i < 3 && std::getline(in, parts[i], '/'); ++i)
    {
    }
    return !parts[0].empty() && ResolveIndex(parts[0], lists.positions.size(), corner.position) &&
           ResolveIndex(parts[1], lists.texCoords.size(), corner.texCoord) &&
           ResolveIndex(parts[2], lists.normals.size(), corner.normal);
}

MeshCorner MakeCorner(const CornerRef& ref, const ObjLists& lists, const Vector4& faceNormal)
{
    MeshCorner c;
    c.position = lists.positions[static_cast<size_t>(ref.position)];
    // A normal of zero length (kept so that the indices stay right) gives no direction to use.
    const Vector4 given = ref.normal >= 0 ? lists.normals[static_cast<size_t>(ref.normal)] : Vector4{};
    c.normal = given == Vector4{} ? faceNormal : given;
    if (ref.texCoord >= 0)
    {
        c.u = lists.texCoords[static_cast<size_t>(ref.texCoord)][0];
        c.v = 1.0f - lists.texCoords[static_cast<size_t>(ref.texCoord)][1];
    }
    return c;
}

class Importer
{
  public:
    explicit Importer(float scale) : m_scale(scale) {}

    void ReadLine(const std::string& line, int number)
    {
        std::istringstream words(line);
        std::string kind;
        words >> kind;
        if (kind == "v")
            ReadPosition(words, number);
        else if (kind == "vt")
            ReadTexCoord(words, number);
        else if (kind == "vn")
            ReadNormal(words, number);
        else if (kind == "f")
            ReadFace(words, number);
    }

    ObjImport Finish();

  private:
    void Warn(int number, const std::string& what)
    {
        m_result.warnings.push_back("line " + std::to_string(number) + ": " + what);
    }

    void ReadPosition(std::istringstream& words, int number)
    {
        float x = 0, y = 0, z = 0;
        if (!(words >> x >> y >> z))
            Warn(number, "a position needs three numbers");
        m_lists.positions.push_back({x * m_scale, y * m_scale, z * m_scale, 1.0f});
    }

    void ReadTexCoord(std::istringstream& words, int number)
    {
        float u = 0, v = 0;
        if (!(words >> u))
            Warn(number, "a texture coordinate needs a number");
        words >> v;
        m_lists.texCoords.push_back({u, v});
    }

    void ReadNormal(std::istringstream& words, int number)
    {
        float x = 0, y = 0, z = 0;
        if (!(words >> x >> y >> z))
            Warn(number, "a normal needs three numbers");
        const Vector4 normal = UnitDirection({x, y, z, 0});
        if (normal == Vector4{})
            Warn(number, "a normal without a direction; its faces get their face normal");
        m_lists.normals.push_back(normal);
    }

    void ReadFace(std::istringstream& words, int number)
    {
        std::vector<CornerRef> corners;
        for (std::string word; words >> word;)
        {
            CornerRef corner;
            if (!ParseCorner(word, m_lists, corner))
                return Warn(number, "face corner '" + word + "' refers to nothing");
            corners.push_back(corner);
        }
        if (corners.size() < 3)
            return Warn(number, "a face needs three corners");
        for (size_t i = 1; i + 1 < corners.size(); ++i)
            m_triangles.push_back({corners[0], corners[i], corners[i + 1]});
        ++m_result.faces;
    }

    const Vector4& Position(const CornerRef& corner) const
    {
        return m_lists.positions[static_cast<size_t>(corner.position)];
    }

    ObjLists m_lists;
    std::vector<std::array<CornerRef, 3>> m_triangles;
    ObjImport m_result;
    float m_scale;
};

ObjImport Importer::Finish()
{
    // Tangent frames are summed per distinct corner so that smooth surfaces stay smooth.
    std::map<CornerRef, std::pair<Vector4, Vector4>> frames;
    std::vector<std::array<MeshCorner, 3>> built;
    std::vector<std::array<CornerRef, 3>> kept;
    for (const auto& triangle : m_triangles)
    {
        const std::optional<Vector4> faceNormal =
            FaceNormal(Position(triangle[0]), Position(triangle[1]), Position(triangle[2]));
        // Dropped before the tangents are summed: a line has no tangent to lend its neighbours.
        if (!faceNormal)
        {
            ++m_result.degenerate;
            continue;
        }
        std::array<MeshCorner, 3> corners;
        for (size_t i = 0; i < 3; ++i)
            corners[i] = MakeCorner(triangle[i], m_lists, *faceNormal);
        MeshBuilder::ComputeTangents(corners[0], corners[1], corners[2]);
        for (size_t i = 0; i < 3; ++i)
        {
            auto& frame = frames[triangle[i]];
            frame.first += corners[i].tangent;
            frame.second += corners[i].binormal;
        }
        built.push_back(corners);
        kept.push_back(triangle);
    }
    for (size_t t = 0; t < built.size(); ++t)
    {
        for (size_t i = 0; i < 3; ++i)
        {
            const auto& frame = frames[kept[t][i]];
            built[t][i].tangent = Perpendicular(frame.first, built[t][i].normal);
            built[t][i].binormal = Perpendicular(frame.second, built[t][i].normal);
        }
        // OBJ faces are counter-clockwise already; the builder keeps that order.
        m_result.mesh.AddTriangle(built[t][0], built[t][1], built[t][2]);
    }
    return std::move(m_result);
}
} // namespace

ObjImport ImportObj(const std::string& text, float scale)
{
    Importer importer(scale);
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number)
        importer.ReadLine(line, number);
    return importer.Finish();
}
