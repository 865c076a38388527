#include "objects/Factory.h"
#include "objects/Logic.h"
#include "objects/Property.h"
#include "objects/Transform.h"
#include "support/TestSupport.h"

#include <climits>
#include <gtest/gtest.h>
#include <set>

namespace
{
// Each test runs in its own process, so the Factory starts empty; this loads the fixture tree.
class FactoryTest : public testing::Test
{
  protected:
    void SetUp() override
    {
        m_printed = CaptureStdout([] { Factory::Instance().Init(); });
    }

    Factory& factory = Factory::Instance();
    ScopedWorkingDirectory m_cwd{FixturePath("spine")};
    std::string m_printed;
};

const Transform* TransformOf(const GameObject* object)
{
    return object->Get<Transform>(ComponentType::Transform);
}
} // namespace

TEST_F(FactoryTest, LoadsArchetypesByRootNameWhateverTheFileCase)
{
    const GameObject* marker = factory.FindArchetype("Marker");
    ASSERT_NE(marker, nullptr) << "Marker.XML is found by its lower-cased stem";
    EXPECT_NE(factory.FindArchetype("Camera"), nullptr);
    EXPECT_EQ(factory.FindArchetype("Broken"), nullptr);
    EXPECT_NE(m_printed.find("Could not load file 'res/archetype/broken.xml'"), std::string::npos)
        << m_printed;
    EXPECT_EQ(marker->ComponentCount(), 2u) << "the unknown element is skipped";
    EXPECT_EQ(TransformOf(marker)->GetScale().x, -1.0f) << "archetypes keep what the file says";
    EXPECT_EQ(componentTypeByName.size(), 20u);
    EXPECT_EQ(componentTypeByName.at("RaceNode"), ComponentType::RaceNode);
}

TEST_F(FactoryTest, LaterArchetypeOfTheSameNameReplacesTheEarlier)
{
    auto replacement = factory.CreateEmptyObject("Marker");
    const GameObject* raw = replacement.get();
    factory.AddArchetype(std::move(replacement));
    EXPECT_EQ(factory.FindArchetype("Marker"), raw);
}

TEST_F(FactoryTest, CloneArchetypeCopiesComponentsAndConsumesAnIdEvenWhenUnknown)
{
    const unsigned before = lastObjectId;
    EXPECT_EQ(factory.CloneArchetype("Nobody"), nullptr);
    EXPECT_EQ(lastObjectId, before + 1);
    auto clone = factory.CloneArchetype("Marker");
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->GetID(), before + 2);
    EXPECT_EQ(TransformOf(clone.get())->GetScale(), (Vector4{0, 2, 3, 0}));
    EXPECT_EQ(Logic::Instance().GetObjectByTag(ObjectTag::SpawnPoint), nullptr)
        << "clones are not initialised";
}

TEST_F(FactoryTest, SceneIdsRaiseTheCounterAndOverridesOnlyTouchExistingComponents)
{
    const std::string printed = CaptureStdout([&] { factory.LoadScene("level"); });
    const Factory::ObjectList& objects = factory.GetObjectList(0);
    ASSERT_EQ(objects.size(), 5u) << "the unknown archetype is skipped";
    ASSERT_NE(factory.FindObject(3), nullptr);
    EXPECT_EQ(TransformOf(factory.FindObject(3))->GetPosition(), (Vector4{10, 0, 0, 1}));
    EXPECT_EQ(factory.FindObject(3)->GetComponent(ComponentType::RigidBody), nullptr) << "a scene never adds";
    EXPECT_EQ(factory.FindObject(7)->GetName(), "Marker");
    EXPECT_GE(lastObjectId, 10u);

    // The duplicate id 7 and the entry without an objID both get fresh ids above every loaded one.
    std::vector<unsigned> fresh;
    for (const auto& [id, object] : objects)
        if (id > 10)
            fresh.push_back(id);
    ASSERT_EQ(fresh.size(), 2u);
    EXPECT_EQ(objects.at(fresh[0])->GetName(), "Camera");
    EXPECT_EQ(objects.at(fresh[0])->GetID(), fresh[0]);
    EXPECT_NE(printed.find("objID 7 is already in use"), std::string::npos) << printed;
    EXPECT_NE(
        printed.find(
            "Scene 'level': object 99 needs archetype 'Nobody', which does not exist; it is left out\n"),
        std::string::npos)
        << printed;
    EXPECT_EQ(printed.find("Nobody"), printed.rfind("Nobody")) << "once per missing name";
    EXPECT_GT(factory.CreateObject("Marker")->GetID(), fresh[1]);
    EXPECT_EQ(Logic::Instance().GetObjectsByTag(ObjectTag::SpawnPoint).size(), 5u);
}

TEST_F(FactoryTest, DestroyedObjectsStayUntilPostUpdateAndDoubleRequestsAreHarmless)
{
    GameObject* object = factory.CreateObject("Camera");
    const unsigned id = object->GetID();
    factory.DestroyObject(id);
    factory.DestroyObject(id);
    factory.DestroyObject(12345);
    EXPECT_EQ(factory.DestroyQueue().size(), 2u);
    EXPECT_TRUE(object->IsDead());
    EXPECT_EQ(Logic::Instance().GetObjectByTag(ObjectTag::CameraObj), object) << "still found until deleted";
    factory.PostUpdate();
    EXPECT_EQ(factory.FindObject(id), nullptr);
    EXPECT_EQ(Logic::Instance().GetObjectByTag(ObjectTag::CameraObj), nullptr);
    EXPECT_TRUE(factory.DestroyQueue().empty());
}

TEST_F(FactoryTest, DestroyListDropsQueuedDeletionsSoReusedIdsSurvive)
{
    CaptureStdout([&] { factory.LoadScene("loading"); });
    ASSERT_NE(factory.FindObject(5), nullptr);
    factory.DestroyObject(5);
    factory.DestroyList(0);
    EXPECT_TRUE(factory.GetObjectList(0).empty());
    CaptureStdout([&] { factory.LoadScene("loading"); });
    factory.PostUpdate();
    EXPECT_NE(factory.FindObject(5), nullptr) << "the new scene's object 5 is not deleted";
}

TEST_F(FactoryTest, BadListNumbersAndMissingScenesAreIgnored)
{
    EXPECT_EQ(factory.CreateObject("Camera", 2), nullptr);
    factory.DestroyObject(1, -1);
    factory.DestroyList(9);
    const std::string printed = CaptureStdout([&] { factory.LoadScene("nowhere"); });
    EXPECT_EQ(printed, "Could not load file 'res/scene/nowhere.xml'. Error = 'Failed to open file'\n");
    EXPECT_TRUE(factory.GetObjectList(0).empty());
}

TEST_F(FactoryTest, DestroyAllEmptiesObjectsAndArchetypes)
{
    factory.CreateObject("Marker");
    factory.DestroyAll();
    EXPECT_TRUE(factory.GetObjectList(0).empty());
    EXPECT_TRUE(factory.Archetypes().empty());
    EXPECT_TRUE(Logic::Instance().GetObjectsByTag(ObjectTag::SpawnPoint).empty());
}

TEST_F(FactoryTest, FreshIdsWrapPastTheTopWithoutReplacingLiveObjects)
{
    CaptureStdout([&] { factory.LoadScene("loading"); });
    const GameObject* camera = factory.FindObject(5);
    lastObjectId = UINT_MAX - 1;
    std::set<unsigned> ids;
    for (int i = 0; i < 7; ++i)
        ids.insert(factory.CreateObject("Marker")->GetID());
    EXPECT_EQ(ids, (std::set<unsigned>{UINT_MAX, 1, 2, 3, 4, 6, 7})) << "0 and the camera's 5 are skipped";
    EXPECT_EQ(factory.FindObject(5), camera);
    EXPECT_EQ(factory.GetObjectList(0).size(), 8u);
}

TEST_F(FactoryTest, SceneObjIdBeyondTheIdSpaceIsRefusedAndNothingIsOverwritten)
{
    TempFolder folder;
    folder.Write("wrap.xml", R"(<Scene>
        <O a="Camera"><uint name="objID" value="-1"/><C/></O>
        <O a="Marker"><uint name="objID" value="1"/><C/></O>
        <O a="Marker"><uint name="objID" value="2"/><C/></O>
        <O a="Marker"><C/></O>
    </Scene>)");
    const std::string printed =
        CaptureStdout([&] { factory.LoadScene("wrap", folder.Path().string() + "/"); });
    EXPECT_NE(
        printed.find("Scene 'wrap': objID '-1' is out of range (1 to 2147483647); object 'Camera' keeps id"),
        std::string::npos)
        << printed;
    EXPECT_EQ(factory.GetObjectList(0).size(), 4u);
    EXPECT_EQ(factory.FindObject(UINT_MAX), nullptr);
    const GameObject* camera = Logic::Instance().GetObjectByTag(ObjectTag::CameraObj);
    ASSERT_NE(camera, nullptr);
    EXPECT_EQ(factory.FindObject(camera->GetID()), camera);
    EXPECT_LE(lastObjectId, Factory::kLargestSceneId) << "fresh ids still have room above the loaded ones";
}
