#include "core/TweakBar.h"
#include "objects/GameObject.h"
#include "objects/Logic.h"
#include "objects/Property.h"
#include "objects/Transform.h"
#include "support/TestSupport.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace
{
// Counts destructions so replacement and ownership can be observed.
struct CountedComponent : Component
{
    explicit CountedComponent(int* deaths) : Component(ComponentType::Transform), m_deaths(deaths) {}
    ~CountedComponent() override { ++*m_deaths; }
    int* m_deaths;
};

std::unique_ptr<Property> TaggedProperty(ObjectTag tag)
{
    auto property = std::make_unique<Property>();
    property->SetTag(tag);
    return property;
}
} // namespace

TEST(Transform, ScaleSettersNeverGoNegative)
{
    Transform t;
    t.SetScale(-2.0f);
    EXPECT_EQ(t.GetScale(), (Vector4{0, 0, 0, 0}));
    t.SetScale(-1.0f, 2.0f, 3.0f);
    EXPECT_EQ(t.GetScale(), (Vector4{0, 2, 3, 0}));
}

TEST(Transform, EulerDegreesUseTheGamesPiSoNinetyIsSlightlyShort)
{
    Transform t;
    const Quaternion q = t.SetEulerDegrees(0, 90, 0);
    EXPECT_EQ(t.GetTweakRotation(), (Vector4{0, 90, 0, 0}));
    EXPECT_EQ(t.GetRotation(), Quaternion()) << "the caller sets the rotation";
    const float degrees = 2.0f * std::acos(q.w) * 180.0f / 3.14159265f;
    EXPECT_NEAR(degrees, 89.95f, 0.01f);
    EXPECT_GT(q.y, 0.0f);
}

TEST(Transform, CloneClampsScaleAndDropsTweakRotation)
{
    XmlFile file = XmlFile::FromText(R"(<Transform>
        <Vector4 name="position"><float value="1"/><float value="2"/><float value="3"/><float value="1"/></Vector4>
        <Vector4 name="scale"><float value="-1"/><float value="2"/><float value="3"/><float value="5"/></Vector4>
        <Vector4 name="rotation"><float value="0"/><float value="1"/><float value="0"/><float value="0"/></Vector4>
        <Vector4 name="tweakRot"><float value="0"/><float value="180"/><float value="0"/><float value="0"/></Vector4>
      </Transform>)");
    Transform t;
    t.Deserialize(file, file.GetRoot());
    EXPECT_EQ(t.GetScale().x, -1.0f);
    EXPECT_EQ(t.GetTweakRotation().y, 180.0f);
    auto clone = t.Clone();
    auto* copy = static_cast<Transform*>(clone.get());
    EXPECT_EQ(copy->GetPosition(), (Vector4{1, 2, 3, 1}));
    EXPECT_EQ(copy->GetScale(), (Vector4{0, 2, 3, 0}));
    EXPECT_EQ(copy->GetRotation(), (Quaternion{0, 1, 0, 0}));
    EXPECT_EQ(copy->GetTweakRotation(), Vector4());
}

TEST(Transform, ShortRotationReadsWZeroAndReportsIt)
{
    XmlFile file = XmlFile::FromText(R"(<Transform><Vector4/><Vector4/>
        <Vector4 name="rotation"><float value="0"/><float value="0"/><float value="1"/></Vector4></Transform>)");
    Transform t;
    const std::string printed = CaptureStdout([&] { t.Deserialize(file, file.GetRoot()); });
    EXPECT_EQ(t.GetRotation(), (Quaternion{0, 0, 1, 0}));
    EXPECT_NE(printed.find("Error Reading Vector4 from Node: Vector4"), std::string::npos);
}

TEST(Transform, SerializeWritesTheFourVectorsInOrderAndReadsBack)
{
    Transform t;
    t.SetPosition(4, 5, 6);
    t.SetScale(2);
    t.SetRotation(t.SetEulerDegrees(0, 0, 45));
    XmlFile file;
    t.Serialize(file, file.CreateRoot("Components"), false);
    const XmlElement* element = file.GetRoot()->FirstChildElement("Transform");
    ASSERT_NE(element, nullptr);
    const char* names[] = {"position", "scale", "rotation", "tweakRot"};
    const XmlElement* field = element->FirstChildElement();
    for (const char* name : names)
    {
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(XmlFile::FirstAttributeValue(field), name);
        field = field->NextSiblingElement();
    }
    Transform back;
    back.Deserialize(file, element);
    EXPECT_EQ(back.GetPosition(), t.GetPosition());
    EXPECT_NEAR(back.GetRotation().z, t.GetRotation().z, 1e-5);
    EXPECT_EQ(back.GetTweakRotation(), (Vector4{0, 0, 45, 0}));
}

TEST(Transform, WorldMatrixIsTranslationRotationScale)
{
    Transform t;
    t.SetPosition(10, 0, 0);
    t.SetScale(2);
    t.SetRotation(Quaternion::FromAxisAngle({0, 0, 1, 0}, 3.14159265f / 2));
    const Vector4 p = t.GetWorldMatrix() * Vector4{1, 0, 0, 1};
    EXPECT_NEAR(p.x, 10.0f, 1e-5);
    EXPECT_NEAR(p.y, 2.0f, 1e-5);
}

TEST(Transform, TweakBarShowsPositionOnlyForInstancesAndEditsRotationByDegrees)
{
    Transform t;
    TweakBar archetypeBar, instanceBar;
    t.AddToTweakBar(archetypeBar, false);
    t.AddToTweakBar(instanceBar, true);
    EXPECT_EQ(archetypeBar.Find("Position"), nullptr);
    ASSERT_NE(instanceBar.Find("Position"), nullptr);
    const TweakEntry* rot = instanceBar.Find("rot_degree");
    ASSERT_NE(rot, nullptr);
    EXPECT_EQ(rot->Group(), "Transform");
    const float degrees[3] = {0, 90, 0};
    rot->setter(degrees);
    EXPECT_GT(t.GetRotation().y, 0.7f);
    float shown[3] = {};
    rot->getter(shown);
    EXPECT_EQ(shown[1], 90.0f);
}

TEST(Property, ReadsTagByNameAndIsFoundOnceInitialised)
{
    XmlFile file = XmlFile::FromText(R"(<Property><string name="Tag" value="CameraObj"/></Property>)");
    GameObject object("Camera", 1);
    auto property = std::make_unique<Property>();
    property->Deserialize(file, file.GetRoot());
    EXPECT_EQ(property->GetTag(), ObjectTag::CameraObj);
    object.AddComponent(std::move(property));
    EXPECT_EQ(Logic::Instance().GetObjectByTag(ObjectTag::CameraObj), nullptr) << "not before Initialize";
    object.InitializeComponents();
    EXPECT_EQ(Logic::Instance().GetObjectByTag(ObjectTag::CameraObj), &object);
}

TEST(Property, SerializesTagOnlyForArchetypes)
{
    Property property;
    property.SetTag(ObjectTag::Respawn);
    XmlFile file;
    XmlElement* root = file.CreateRoot("Components");
    property.Serialize(file, root, true);
    EXPECT_EQ(root->FirstChildElement(), nullptr);
    property.Serialize(file, root, false);
    const XmlElement* tag = XmlFile::FindChildElement(root->FirstChildElement("Property"), "string", "Tag");
    ASSERT_NE(tag, nullptr);
    EXPECT_STREQ(tag->Attribute("value"), "Respawn");
}

TEST(Property, UnknownTagNameIsInvalidAndNeverIndexed)
{
    Logic& logic = Logic::Instance();
    EXPECT_EQ(logic.GetTagIndex("NoSuchTag"), ObjectTag::Invalid);
    EXPECT_EQ(logic.GetTagIndex("RS_Platform3"), ObjectTag::RS_Platform3);
    GameObject object("x", 1);
    object.AddComponent(TaggedProperty(ObjectTag::Invalid));
    object.InitializeComponents();
    EXPECT_EQ(logic.GetObjectByTag(ObjectTag::Invalid), nullptr);
    EXPECT_TRUE(logic.GetObjectsByTag(ObjectTag::Invalid).empty());
    EXPECT_EQ(logic.GetObjectByTag(static_cast<ObjectTag>(-3)), nullptr);
    EXPECT_EQ(logic.GetObjectByTagName("NoSuchTag"), nullptr);
}

TEST(GameObject, AddingASecondComponentOfATypeDeletesTheFirst)
{
    int deaths = 0;
    {
        GameObject object("o", 1);
        object.AddComponent(std::make_unique<CountedComponent>(&deaths));
        Component* second = object.AddComponent(std::make_unique<CountedComponent>(&deaths));
        EXPECT_EQ(deaths, 1);
        EXPECT_EQ(object.GetComponent(ComponentType::Transform), second);
        EXPECT_EQ(second->GetOwner(), &object);
        EXPECT_EQ(object.GetComponent(ComponentType::Camera), nullptr);
    }
    EXPECT_EQ(deaths, 2);
}

TEST(Logic, TagListsKeepRegistrationOrderAndSwapOnRemoval)
{
    Logic& logic = Logic::Instance();
    auto a = std::make_unique<GameObject>("a", 1);
    auto b = std::make_unique<GameObject>("b", 2);
    auto c = std::make_unique<GameObject>("c", 3);
    for (GameObject* o : {a.get(), b.get(), c.get()})
    {
        o->AddComponent(TaggedProperty(ObjectTag::Player));
        o->InitializeComponents();
    }
    EXPECT_EQ(logic.GetObjectByTag(ObjectTag::Player), a.get());
    a.reset(); // unregisters from the front: the last entry fills the gap
    const std::vector<GameObject*> players = logic.GetObjectsByTag(ObjectTag::Player);
    ASSERT_EQ(players.size(), 2u);
    EXPECT_EQ(players[0], c.get());
    EXPECT_EQ(players[1], b.get());
}

TEST(Logic, RetaggedPropertyIsSkippedByLookupAndStillUnregisters)
{
    Logic& logic = Logic::Instance();
    auto object = std::make_unique<GameObject>("o", 1);
    auto* property = static_cast<Property*>(object->AddComponent(TaggedProperty(ObjectTag::GameLogic)));
    object->InitializeComponents();
    property->SetTag(ObjectTag::Enemy);
    EXPECT_EQ(logic.GetObjectByTag(ObjectTag::GameLogic), nullptr);
    object.reset();
    EXPECT_TRUE(logic.GetObjectsByTag(ObjectTag::GameLogic).empty()) << "no dangling entry left";
}

TEST(Logic, UpdatesListsInFixedOrderReadingTheSizeAfresh)
{
    struct Recorder : Component
    {
        Recorder(std::vector<std::string>* log, std::string name, std::function<void()> extra = {})
            : m_log(log), m_name(std::move(name)), m_extra(std::move(extra))
        {
        }
        bool Update() override
        {
            m_log->push_back(m_name);
            if (m_extra)
                m_extra();
            return true;
        }
        std::vector<std::string>* m_log;
        std::string m_name;
        std::function<void()> m_extra;
    };
    Logic& logic = Logic::Instance();
    std::vector<std::string> log;
    Recorder script(&log, "script"), decorator(&log, "decorator"), life(&log, "life"),
        spawner(&log, "spawner"), ground(&log, "ground"), late(&log, "late");
    Recorder controller(&log, "controller", [&] { logic.RegisterController(&late); });
    logic.RegisterScript(&script);
    logic.RegisterDecorator(&decorator);
    logic.RegisterLife(&life);
    logic.RegisterSpawner(&spawner);
    logic.RegisterController(&controller);
    logic.RegisterGround(&ground);
    logic.Update();
    const std::vector<std::string> expected = {"ground", "controller", "late",  "spawner",
                                               "life",   "decorator",  "script"};
    EXPECT_EQ(log, expected);
    EXPECT_TRUE(logic.UnregisterController(&late));
    EXPECT_FALSE(logic.UnregisterController(&late));
}

TEST(Logic, InitGivesEveryPlayerTheLastTrackAndResetsElementChoices)
{
    Logic& logic = Logic::Instance();
    logic.Init();
    EXPECT_EQ(logic.GetPlayerChoice(2).chosenLevel, -1) << "no display tracks loaded";
    EXPECT_TRUE(logic.GetPlayerChoice(3).isComputer);
    ASSERT_EQ(logic.ElementChoices().size(), 4u);
    EXPECT_EQ(logic.ElementChoices()[2].name, "wind");
    logic.SetAllPlayersHuman();
    EXPECT_EQ(logic.GetPlayerChoice(3).element, 3);
    EXPECT_FALSE(logic.GetPlayerChoice(3).isComputer);
    logic.GetPlayerChoice(7).element = 2; // out of range: a scratch record
    EXPECT_EQ(logic.GetPlayerChoice(0).element, 0);
}
