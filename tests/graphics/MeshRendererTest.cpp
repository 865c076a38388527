// The mesh renderer component without a device: fields from XML, clones and serialising.
#include "graphics/MeshRenderer.h"
#include "graphics/GraphicsSystem.h"

#include <gtest/gtest.h>

namespace
{
std::unique_ptr<MeshRenderer> Read(const std::string& fields)
{
    XmlFile file = XmlFile::FromText("<MeshRenderer>" + fields + "</MeshRenderer>");
    auto renderer = std::make_unique<MeshRenderer>();
    renderer->Deserialize(file, file.GetRoot());
    return renderer;
}
} // namespace

TEST(MeshRenderer, ReadsOnlyThePresentFieldsAndTileYFromTheElementAfterTileX)
{
    auto plain = Read("<string name=\"textureName\" value=\"fire\"/>");
    EXPECT_EQ(plain->GetTextureName(), "fire");
    EXPECT_EQ(plain->GetNormalTextureName(), "normal");
    EXPECT_EQ(plain->GetSpecTextureName(), "specular");
    EXPECT_EQ(plain->GetShaderName(), "default");
    EXPECT_EQ(plain->GetMeshName(), "default");
    EXPECT_EQ(plain->GetTileX(), 1.0f);
    EXPECT_EQ(plain->GetTileY(), 1.0f);
    EXPECT_TRUE(plain->IsVisible());

    auto tiled = Read("<float name=\"tileX\" value=\"4\"/><int name=\"anything\" value=\"3\"/>"
                      "<bool name=\"visible\" value=\"0\"/><string name=\"meshName\" value=\"ball.tbm\"/>");
    EXPECT_EQ(tiled->GetTileX(), 4.0f);
    EXPECT_EQ(tiled->GetTileY(), 3.0f);
    EXPECT_FALSE(tiled->IsVisible());
    EXPECT_EQ(tiled->GetMeshName(), "ball.tbm");
    EXPECT_EQ(tiled->GetMesh(), nullptr) << "no meshes are loaded without a device";
    EXPECT_EQ(tiled->GetMaterial(), nullptr);
}

TEST(MeshRenderer, ClonesKeepTheirOwnNamesAndVisibilityToggles)
{
    auto original = Read("<string name=\"textureName\" value=\"fire\"/><float name=\"tileX\" value=\"2\"/>"
                         "<float name=\"tileY\" value=\"5\"/>");
    auto clone = std::unique_ptr<MeshRenderer>(static_cast<MeshRenderer*>(original->Clone().release()));
    EXPECT_EQ(clone->GetTextureName(), "fire");
    EXPECT_EQ(clone->GetTileY(), 5.0f);
    EXPECT_EQ(clone->GetMaterial(), original->GetMaterial());
    clone->SetTextureName("water");
    EXPECT_EQ(original->GetTextureName(), "fire");
    clone->ToggleVisible();
    clone->ToggleVisible();
    EXPECT_TRUE(clone->IsVisible());
}

TEST(MeshRenderer, SerialisesTheInstanceOrTheArchetypeFields)
{
    auto renderer = Read(
        "<string name=\"meshName\" value=\"ball.tbm\"/><string name=\"shaderName\" value=\"normalmap\"/>");
    XmlFile file;
    XmlElement* root = file.CreateRoot("Components");
    renderer->Serialize(file, root, true);
    renderer->Serialize(file, root, false);
    std::vector<std::string> instance, archetype;
    const XmlElement* first = root->FirstChildElement("MeshRenderer");
    for (const XmlElement* e = first->FirstChildElement(); e; e = e->NextSiblingElement())
        instance.push_back(XmlFile::FirstAttributeValue(e));
    for (const XmlElement* e = first->NextSiblingElement()->FirstChildElement(); e;
         e = e->NextSiblingElement())
        archetype.push_back(XmlFile::FirstAttributeValue(e));
    EXPECT_EQ(instance, (std::vector<std::string>{"visible", "textureName", "normalTextureName",
                                                  "specTextureName", "shaderName", "tileX", "tileY"}));
    EXPECT_EQ(archetype, (std::vector<std::string>{"visible", "meshName", "shaderName", "textureName",
                                                   "normalTextureName", "specTextureName"}));
    // Read back, the archetype form gives the same renderer.
    auto copy = std::make_unique<MeshRenderer>();
    copy->Deserialize(file, first->NextSiblingElement());
    EXPECT_EQ(copy->GetMeshName(), "ball.tbm");
    EXPECT_EQ(copy->GetShaderName(), "normalmap");
}

TEST(MeshRenderer, RegistersWhileInitialisedInOrder)
{
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    auto a = std::make_unique<MeshRenderer>();
    auto b = std::make_unique<MeshRenderer>();
    a->Initialize();
    b->Initialize();
    EXPECT_EQ(graphics.MeshRenderers(), (std::list<MeshRenderer*>{a.get(), b.get()}));
    a.reset();
    EXPECT_EQ(graphics.MeshRenderers(), (std::list<MeshRenderer*>{b.get()}));
}
