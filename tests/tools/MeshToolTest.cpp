// The mesh tool: primitives, winding, tangent frames and the Wavefront OBJ importer.
#include "meshtool/ObjImporter.h"
#include "meshtool/Primitives.h"

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
