// The mesh tool: primitives, winding, tangent frames and the Wavefront OBJ importer.
#include "meshtool/ObjImporter.h"
#include "meshtool/Primitives.h"
#include "support/ProgramRun.h"

#include "graphics/TbmFile.h"
#include "support/TestSupport.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{
Vector4 Vec(const float (&v)[4])
{
    return {v[0], v[1], v[2], 0.0f};
}

// Every triangle is counter-clockwise seen from the side its normals point to.
void ExpectOutwardWinding(const MeshBuilder& mesh)
{
    const std::vector<ModelVertex>& v = mesh.Vertices();
    ASSERT_EQ(v.size() % 3, 0u);
    for (size_t i = 0; i < v.size(); i += 3)
    {
        const Vector4 facing =
            (Vec(v[i + 1].position) - Vec(v[i].position)).Cross(Vec(v[i + 2].position) - Vec(v[i].position));
        EXPECT_GT(facing.Dot(Vec(v[i].normal) + Vec(v[i + 1].normal) + Vec(v[i + 2].normal)), 0.0f)
            << "triangle " << i / 3;
    }
}
} // namespace

TEST(MeshTool, PrimitivesHaveUnitSizeOutwardFacesAndPerpendicularFrames)
{
    const MeshBuilder cube = Primitives::Cube();
    ASSERT_EQ(cube.Vertices().size(), 36u);
    ExpectOutwardWinding(cube);
    for (const ModelVertex& vertex : cube.Vertices())
    {
        for (int axis = 0; axis < 3; ++axis)
            EXPECT_EQ(std::fabs(vertex.position[axis]), 0.5f);
        EXPECT_NEAR(Vec(vertex.tangent).Dot(Vec(vertex.normal)), 0.0f, 1e-6f);
        // Read from outside, u runs right and v down, so tangent × binormal points inwards.
        EXPECT_LT(Vec(vertex.tangent).Cross(Vec(vertex.binormal)).Dot(Vec(vertex.normal)), 0.0f);
    }
    const MeshBuilder sphere = Primitives::Sphere(1.0f, 12, 6);
    ExpectOutwardWinding(sphere);
    for (const ModelVertex& vertex : sphere.Vertices())
        EXPECT_NEAR(Vec(vertex.position).Length(), 1.0f, 1e-5f);
    ExpectOutwardWinding(Primitives::Sphere(1.0f, 12, 6, true));
    ExpectOutwardWinding(Primitives::Pyramid());
    EXPECT_EQ(Primitives::Pyramid().Vertices().size(), 18u);
}

TEST(MeshTool, TheHudQuadHasItsTextureOriginAtTheTopLeft)
{
    const MeshBuilder quad = Primitives::HudQuad();
    ASSERT_EQ(quad.Vertices().size(), 6u);
    for (const ModelVertex& vertex : quad.Vertices())
    {
        EXPECT_EQ(vertex.texCoord[0], vertex.position[0] + 0.5f);
        EXPECT_EQ(vertex.texCoord[1], 0.5f - vertex.position[1]);
    }
}

TEST(MeshTool, WrittenMeshesParseBack)
{
    TempFolder folder;
    const std::string path = (folder.Path() / "cube.tbm").string();
    ASSERT_TRUE(Primitives::Cube().Write(path));
    std::vector<unsigned char> bytes;
    ASSERT_TRUE(ReadFileBytes(path, bytes));
    std::string error;
    const std::optional<TbmMesh> mesh = ParseTbm(bytes, error);
    ASSERT_TRUE(mesh) << error;
    EXPECT_EQ(mesh->vertexType, 1u);
    EXPECT_EQ(mesh->vertexCount, 36u);
}

TEST(ObjImporter, FansPolygonsFlipsVAndResolvesNegativeIndices)
{
    const ObjImport result = ImportObj("# a unit square facing +z, as a quad\n"
                                       "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\n"
                                       "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nvn 0 0 1\n"
                                       "f -4/1/1 -3/2/1 -2/3/1 -1/4/1\n",
                                       2.0f);
    EXPECT_TRUE(result.warnings.empty());
    EXPECT_EQ(result.faces, 1u);
    const std::vector<ModelVertex>& v = result.mesh.Vertices();
    ASSERT_EQ(v.size(), 6u);
    ExpectOutwardWinding(result.mesh);
    EXPECT_EQ(v[0].position[0], 0.0f);
    EXPECT_EQ(v[2].position[1], 2.0f) << "scaled";
    EXPECT_EQ(v[0].texCoord[1], 1.0f) << "OBJ's v = 0 is the bottom of the picture";
    // u grows along +x, v (downwards in the picture) along -y.
    EXPECT_NEAR(v[0].tangent[0], 1.0f, 1e-5f);
    EXPECT_NEAR(v[0].binormal[1], -1.0f, 1e-5f);
}

TEST(ObjImporter, FacesWithoutNormalsGetTheFaceNormalAndBadFacesAreSkipped)
{
    const ObjImport result = ImportObj("v 0 0 0\nv 0 0 1\nv 1 0 0\n"
                                       "f 1 2 3\nf 1 2 9\nf 1 2\nv 1 2\n");
    ASSERT_EQ(result.warnings.size(), 3u);
    EXPECT_EQ(result.warnings[0], "line 5: face corner '9' refers to nothing");
    EXPECT_EQ(result.faces, 1u);
    ASSERT_EQ(result.mesh.Vertices().size(), 3u);
    EXPECT_NEAR(result.mesh.Vertices()[0].normal[1], 1.0f, 1e-6f) << "(0,0,1) x (1,0,0) points up";
}

namespace
{
// A lumpy sphere about `radius` across as OBJ text, with texture coordinates: a vertex at each
// pole, `slices` round each of `stacks` - 1 rings, quads between the rings and triangles at the
// poles. Each vertex sits up to 5% in or out, by a fixed pseudo-random pattern, so that the
// triangles differ in size and shape as a scan's do. Three faces without area come last.
std::string LumpySphereObj(double radius, int slices, int stacks)
{
    std::string text;
    char line[160];
    auto vertex = [&](double x, double y, double z)
    {
        std::snprintf(line, sizeof line, "v %.9g %.9g %.9g\n", x * radius, y * radius, z * radius);
        text += line;
    };
    vertex(0, 1, 0);
    vertex(0, -1, 0);
    unsigned seed = 12345;
    for (int j = 1; j < stacks; ++j)
        for (int i = 0; i < slices; ++i)
        {
            seed = seed * 1664525u + 1013904223u;
            const double lump = 1.0 + 0.05 * (static_cast<double>(seed >> 8) / (1 << 24) * 2.0 - 1.0);
            const double theta = 2.0 * M_PI * i / slices, phi = M_PI * j / stacks;
            vertex(lump * std::sin(phi) * std::cos(theta), lump * std::cos(phi),
                   -lump * std::sin(phi) * std::sin(theta));
        }
    for (int j = 0; j <= stacks; ++j)
        for (int i = 0; i <= slices; ++i)
        {
            std::snprintf(line, sizeof line, "vt %.9g %.9g\n", static_cast<double>(i) / slices,
                          1.0 - static_cast<double>(j) / stacks);
            text += line;
        }
    // Vertex of ring j (1 .. stacks-1) and slice i (wrapping); texture corner of row j, column i.
    auto corner = [&](int j, int i)
    {
        const int v = j == 0 ? 1 : j == stacks ? 2 : 3 + (j - 1) * slices + i % slices;
        return std::to_string(v) + "/" + std::to_string(1 + j * (slices + 1) + i) + " ";
    };
    for (int j = 0; j < stacks; ++j)
        for (int i = 0; i < slices; ++i)
        {
            if (j == 0)
                text += "f " + corner(0, i) + corner(1, i) + corner(1, i + 1) + "\n";
            else if (j == stacks - 1)
                text += "f " + corner(j, i) + corner(stacks, i) + corner(j, i + 1) + "\n";
            else
                text +=
                    "f " + corner(j, i) + corner(j + 1, i) + corner(j + 1, i + 1) + corner(j, i + 1) + "\n";
        }
    // A repeated corner, one point three times, and three points on one line.
    text += "f 3 3 4\nf 5 5 5\n";
    vertex(0.1, 0.2, 0.3);
    vertex(0.2, 0.4, 0.6);
    vertex(0.35, 0.7, 1.05);
    text += "f -3 -2 -1\n";
    return text;
}

float Distance(const float (&a)[4], const float (&b)[4], float scale = 1.0f)
{
    return (Vec(a) * scale - Vec(b)).Length();
}
} // namespace

TEST(ObjImporter, ModelsInTinyOrHugeUnitsKeepEveryTriangleAndTheirNormals)
{
    const int slices = 100, stacks = 50, triangles = 2 * slices * (stacks - 1);
    const ObjImport reference = ImportObj(LumpySphereObj(1.0, slices, stacks));
    ASSERT_EQ(reference.mesh.Vertices().size(), 3u * triangles);
    EXPECT_EQ(reference.degenerate, 3u);
    ExpectOutwardWinding(reference.mesh);
    for (const double scale : {1e-6, 1e-3, 1e3, 1e6})
    {
        SCOPED_TRACE(scale);
        const ObjImport scaled = ImportObj(LumpySphereObj(scale, slices, stacks));
        EXPECT_TRUE(scaled.warnings.empty());
        EXPECT_EQ(scaled.degenerate, 3u);
        const std::vector<ModelVertex>& got = scaled.mesh.Vertices();
        ASSERT_EQ(got.size(), reference.mesh.Vertices().size());
        float position = 0, normal = 0, tangent = 0, binormal = 0;
        for (size_t i = 0; i < got.size(); ++i)
        {
            const ModelVertex& want = reference.mesh.Vertices()[i];
            position =
                std::max(position, Distance(got[i].position, want.position, static_cast<float>(1 / scale)));
            normal = std::max(normal, Distance(got[i].normal, want.normal));
            tangent = std::max(tangent, Distance(got[i].tangent, want.tangent));
            binormal = std::max(binormal, Distance(got[i].binormal, want.binormal));
        }
        EXPECT_LT(position, 1e-6f);
        EXPECT_LT(normal, 1e-4f);
        // Tangents divide by texture coordinates a hundredth apart, which magnifies rounding.
        EXPECT_LT(tangent, 1e-3f);
        EXPECT_LT(binormal, 1e-3f);
    }
}

TEST(ObjImporter, ScalingAModelUpOrDownKeepsItsTriangles)
{
    // The same tiny model brought to metres by the importer's scale, as the tool's SCALE does.
    const ObjImport tiny = ImportObj(LumpySphereObj(1e-3, 40, 20));
    const ObjImport grown = ImportObj(LumpySphereObj(1e-3, 40, 20), 1e3f);
    const ObjImport shrunk = ImportObj(LumpySphereObj(1.0, 40, 20), 1e-4f);
    EXPECT_EQ(tiny.mesh.Vertices().size(), 3u * 2 * 40 * 19);
    EXPECT_EQ(grown.mesh.Vertices().size(), tiny.mesh.Vertices().size());
    EXPECT_EQ(shrunk.mesh.Vertices().size(), tiny.mesh.Vertices().size());
}

TEST(ObjImporter, LoneTrianglesAtExtremeScalesGetUnitFramesAndFaceTheirNormals)
{
    for (const float scale : {1e-18f, 1e-6f, 1.0f, 1e6f, 1e18f})
    {
        SCOPED_TRACE(scale);
        // Wound clockwise as seen from the side its normal faces: the importer turns it round.
        const ObjImport given = ImportObj("v 0 0 0\nv 0 0 1\nv 1 0 0\nvn 0 -1 0\nvt 0 0\nvt 0 1\nvt 1 0\n"
                                          "f 1/1/1 2/2/1 3/3/1\n",
                                          scale);
        ASSERT_EQ(given.mesh.Vertices().size(), 3u);
        ExpectOutwardWinding(given.mesh);
        const ObjImport computed = ImportObj("v 0 0 0\nv 0 0 1\nv 1 0 0\nf 1 2 3\n", scale);
        ASSERT_EQ(computed.mesh.Vertices().size(), 3u);
        for (const ModelVertex& vertex : computed.mesh.Vertices())
        {
            EXPECT_NEAR(vertex.normal[1], 1.0f, 1e-6f);
            EXPECT_NEAR(Vec(vertex.tangent).Length(), 1.0f, 1e-6f);
            EXPECT_NEAR(Vec(vertex.binormal).Length(), 1.0f, 1e-6f);
        }
        for (const ModelVertex& vertex : given.mesh.Vertices())
            EXPECT_NEAR(Vec(vertex.tangent).Length(), 1.0f, 1e-6f);
    }
}

TEST(ObjImporter, NormalsOfAnyLengthAreMadeUnitAndZeroOnesGiveWayToTheFaceNormal)
{
    const ObjImport result = ImportObj("v 0 0 0\nv 1 0 0\nv 0 1 0\nvn 0 0 1e-7\nvn 0 0 0\n"
                                       "f 1//1 2//1 3//1\nf 1//2 2//2 3//2\n");
    ASSERT_EQ(result.warnings.size(), 1u);
    EXPECT_EQ(result.warnings[0], "line 5: a normal without a direction; its faces get their face normal");
    ASSERT_EQ(result.mesh.Vertices().size(), 6u);
    for (const ModelVertex& vertex : result.mesh.Vertices())
        EXPECT_NEAR(vertex.normal[2], 1.0f, 1e-6f);
}

TEST(MeshTool, TrianglesWithoutAreaAreDroppedAtEveryScaleAndThinOnesKept)
{
    for (const float scale : {1e-20f, 1e-9f, 1e-3f, 1.0f, 1e3f, 1e9f, 1e20f})
        for (const float offset : {0.0f, 1000.0f})
        {
            SCOPED_TRACE(testing::Message() << "scale " << scale << " offset " << offset);
            auto at = [&](float x, float y, float z) {
                return Vector4{(offset + x) * scale, (offset + y) * scale, (offset + z) * scale, 1.0f};
            };
            EXPECT_FALSE(FaceNormal(at(0.1f, 0.2f, 0.3f), at(0.1f, 0.2f, 0.3f), at(0.4f, 0.2f, 0.3f)));
            EXPECT_FALSE(FaceNormal(at(0.1f, 0.2f, 0.3f), at(0.1f, 0.2f, 0.3f), at(0.1f, 0.2f, 0.3f)));
            EXPECT_FALSE(FaceNormal(at(0.1f, 0.2f, 0.3f), at(0.2f, 0.4f, 0.6f), at(0.35f, 0.7f, 1.05f)));
            // One in a thousand is thin, yet a triangle; far from the origin floats resolve less.
            const float thin = offset == 0.0f ? 1e-4f : 1e-2f;
            const std::optional<Vector4> sliver = FaceNormal(at(0, 0, 0), at(1, 0, 0), at(0.5f, thin, 0));
            EXPECT_NEAR(sliver.value_or(Vector4{}).z, 1.0f, 1e-6f);
        }
}

TEST(MeshToolProgram, InfoPrintsTheBoundingBoxAndCounts)
{
    TempFolder folder;
    MeshBuilder mesh;
    auto corner = [](float x, float y, float z)
    {
        MeshCorner c;
        c.position = {x, y, z, 1};
        c.normal = {0, 1, 0, 0};
        return c;
    };
    mesh.AddTriangle(corner(-1, 0, 2), corner(3, 0, 2), corner(-1, 0.5f, 7));
    ASSERT_TRUE(mesh.Write((folder.Path() / "wedge.tbm").string()));
    folder.Write("empty.tbm", std::string(16, '\0'));
    std::string output;
    const std::string info = std::string(VANTORA_MESHTOOL_PATH) + " info ";
    ASSERT_EQ(RunProgram(info + Quoted((folder.Path() / "wedge.tbm").string()), &output), 0) << output;
    EXPECT_NE(output.find("3 vertices (1 triangles)"), std::string::npos) << output;
    EXPECT_NE(output.find("min (-1, 0, 2)  max (3, 0.5, 7)  size 4 x 0.5 x 5"), std::string::npos) << output;
    ASSERT_EQ(RunProgram(info + Quoted((folder.Path() / "empty.tbm").string()), &output), 0) << output;
    EXPECT_NE(output.find("no vertices"), std::string::npos) << output;
    EXPECT_EQ(RunProgram(info + Quoted((folder.Path() / "missing.tbm").string()), &output), 1);
}
