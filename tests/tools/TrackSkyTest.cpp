// The track tool's sky dome: named in the description, written as object 2 of the scene.
#include "objects/XmlFile.h"
#include "support/TestSupport.h"
#include "trackgen/TrackDescription.h"
#include "trackgen/TrackLayout.h"
#include "trackgen/TrackSceneWriter.h"

#include <gtest/gtest.h>

TEST(TrackSky, TheDomeIsObject2RightAfterTheFirstRacer)
{
    std::vector<std::string> errors;
    const TrackDescription description = ParseTrackDescription(
        "sky SkyDome harbour_sky\npoint 0 0\npoint 0 100\npoint 100 100\npoint 100 0\n", errors);
    ASSERT_TRUE(errors.empty());
    EXPECT_EQ(description.sky, "SkyDome");
    EXPECT_EQ(description.skyTexture, "harbour_sky");

    TrackArchetypes archetypes;
    archetypes.sky = description.sky;
    archetypes.skyTexture = description.skyTexture;
    TempFolder folder;
    const std::string path = (folder.Path() / "sky.xml").string();
    ASSERT_TRUE(WriteTrackScene(BuildTrackLayout(description), archetypes, path));
    XmlFile scene(path);
    std::vector<std::pair<std::string, unsigned>> firstFive;
    for (const XmlElement* e = scene.GetRoot()->FirstChildElement(); e && firstFive.size() < 5;
         e = e->NextSiblingElement())
    {
        unsigned id = 0;
        XmlFile::ReadValue(id, XmlFile::FindChildElement(e, "uint", "objID"));
        firstFive.emplace_back(XmlFile::FirstAttributeValue(e), id);
    }
    EXPECT_EQ(firstFive, (std::vector<std::pair<std::string, unsigned>>{
                             {"Racer1", 1}, {"SkyDome", 2}, {"Racer2", 3}, {"Racer3", 4}, {"Racer4", 5}}));
    const XmlElement* sky = scene.GetRoot()->FirstChildElement()->NextSiblingElement();
    std::string texture;
    XmlFile::ReadValue(
        texture, XmlFile::FindChildElement(
                     XmlFile::FindChildElement(XmlFile::FindChildElement(sky, "Overrides"), "MeshRenderer"),
                     "string", "textureName"));
    EXPECT_EQ(texture, "harbour_sky");
}
