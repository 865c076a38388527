#include "core/TweakBar.h"
#include "gameplay/LifeComponent.h"
#include "gameplay/RaceNode.h"
#include "graphics/Camera.h"
#include "objects/ComponentDescriptions.h"
#include "objects/Factory.h"
#include "objects/FieldSet.h"
#include "objects/Logic.h"
#include "physics/Spin.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <map>

// Every component type against its field description: the fixture archetype "Everything" holds
// each type once, with values away from the defaults.

namespace
{
using Names = std::vector<std::string>;

// What each component writes and shows, as the data files and the panel have them: the
// archetype form, then the placed-object form. Nested elements list their children as
// "Element/name"; an empty list with no element at all is marked "-".
struct Expected
{
    Names archetypeFile, instanceFile, archetypePanel, instancePanel;
};

const std::map<ComponentType, Expected>& ExpectedFields()
{
    static const Names rigidBodyFile = {
        "position",          "velocity", "accumulateForce",     "orientation", "angularVelocity",
        "accumalatedTorque", "mass",     "inverseInetriaTensor"};
    static const Names mover = {"Mover",
                                "Mover/springOffset",
                                "Mover/springStiffness",
                                "Mover/springDamping",
                                "Mover/springMass",
                                "Mover/springMassForce"};
    static const Names spring = {"Spring Properties", "stiffness", "damping", "mass", "maxForce"};
    static const Names light = {"ambient", "diffuse", "direction", "color", "shiness", "range", "offset"};
    static const Names spawner = {"SpawnRate",   "SpawnRandom", "SpawnWalking", "spawnedObjLifeTime",
                                  "waitToSpawn", "spawnDir",    "spawnVel"};
    static const Names decorators = {"DT_Scale",          "DT_Scale/randSacle", "DT_Scale/scaleOverLife",
                                     "DT_Scale/scaleMin", "DT_Scale/scaleMax",  "DT_Life",
                                     "DT_Life/lifeMin",   "DT_Life/lifeMax"};
    static const Names decoratorPanel = {"Decorators",  "add_dec",       "remove_dec",
                                         "RandomScale", "ScaleOverLife", "ScaleMin",
                                         "ScaleMax",    "lifeMin",       "lifeMax"};
    static const Names effects = {"effect", "effect"};
    static const Names effectPanel = {
        "spark active",    "spark localPos", "spark culling",     "spark offset",
        "spark spawnRate", "spark spawnNum", "spark maxParticle", "spark spawn now",
        "smoke active",    "smoke localPos", "smoke culling",     "smoke offset",
        "smoke spawnRate", "smoke spawnNum", "smoke maxParticle", "smoke spawn now"};
    auto with = [](Names names, const Names& more)
    {
        names.insert(names.end(), more.begin(), more.end());
        return names;
    };
    static const std::map<ComponentType, Expected> expected = {
        {ComponentType::Transform,
         {{"position", "scale", "rotation", "tweakRot"},
          {"position", "scale", "rotation", "tweakRot"},
          {"Scale", "rot_degree"},
          {"Position", "Scale", "rot_degree"}}},
        {ComponentType::MeshRenderer,
         {{"visible", "meshName", "shaderName", "textureName", "normalTextureName", "specTextureName"},
          {"visible", "textureName", "normalTextureName", "specTextureName", "shaderName", "tileX", "tileY"},
          {},
          {}}},
        {ComponentType::RigidBody,
         {with(rigidBodyFile, {"gravityOn", "isStatic", "restitution", "velCapXZ", "velCapY"}),
          with(rigidBodyFile, {"velCapXZ", "velCapY"}),
          {"Mass", "IsStatic", "GravityOn", "Bounceness", "VelCapXZ", "VelCapY"},
          {"Velocity", "AccumForce", "IsStatic", "GravityOn", "VelCapXZ", "VelCapY"}}},
        {ComponentType::Collider,
         {{"bv_type", "center", "halfWidth", "isDynamics", "bit_type", "bit_field"},
          {"-"},
          {"bvType", "Offset", "Bit_type", "DynamicsSwitch"},
          {"DynamicsSwitch"}}},
        {ComponentType::Camera,
         {{"offset", "offset", "offset", "m_updateCamPos", "followStiffness", "followDamping"},
          {"offset", "offset", "offset", "m_updateCamPos", "followStiffness", "followDamping"},
          {"update camera pos", "offset1", "m_dir1", "followStiffness", "followDamping"},
          {"update camera pos", "offset1", "m_dir1", "followStiffness", "followDamping"}}},
        {ComponentType::Property, {{"Tag"}, {"-"}, {"Tag"}, {}}},
        {ComponentType::Ground, {{"neighbor", "neighbor"}, {}, {}, {}}},
        {ComponentType::Light, {light, light, light, light}},
        {ComponentType::TextComponent,
         {{"Text", "Width", "Height", "xOffset", "yOffset", "Color", "visible"},
          {"Text", "Width", "Height", "xOffset", "yOffset", "Color", "visible"},
          {"text", "t_visible", "x_Offset", "y_Offset", "x_scale", "y_scale", "t_color"},
          {"text", "t_visible", "x_Offset", "y_Offset", "x_scale", "y_scale", "t_color"}}},
        {ComponentType::Script,
         {{"script", "script"},
          {"script", "script"},
          {"Script_List", "Attached", "Attach_Script", "Detach_Script"},
          {"Script_List", "Attached", "Attach_Script", "Detach_Script"}}},
        {ComponentType::Spawner,
         {with(spawner, {"SpawnList", "SpawnList/archetype", "SpawnList/archetype"}),
          with(spawner, {"SpawnList", "SpawnList/archetype", "SpawnList/archetype"}), spawner, spawner}},
        {ComponentType::LifeComponent, {{"lifeTime"}, {"lifeTime"}, {"lifeTime"}, {"lifeTime"}}},
        {ComponentType::DecoratorComp, {decorators, decorators, decoratorPanel, decoratorPanel}},
        {ComponentType::ParticleComponent, {effects, effects, effectPanel, effectPanel}},
        {ComponentType::CheckPoint,
         {{"cpNum", "facing"},
          {"cpNum", "facing"},
          {"checkPointNum", "cp_Facing"},
          {"checkPointNum", "cp_Facing"}}},
        {ComponentType::Spin, {{}, {}, {}, {}}},
        {ComponentType::Hud, {{"offset"}, {"offset"}, {"offset"}, {"offset"}}},
        {ComponentType::Label, {{"name", "offset"}, {"name", "offset"}, {"offset"}, {"offset"}}},
        {ComponentType::Controller,
         {with({"ID", "ControllerType"}, mover),
          with(with({"ID", "ControllerType"}, mover), {"Mover/facing"}), spring,
          with({"ID", "Type", "facing", "S_Offset"}, spring)}},
        {ComponentType::RaceNode,
         {{"ID", "facing", "Should_Jump", "CPNode"},
          {"ID", "facing", "Should_Jump", "CPNode"},
          {"Node_ID", "Node_Facing", "Node_Jump", "Node_CP"},
          {"Node_ID", "Node_Facing", "Node_Jump", "Node_CP"}}},
    };
    return expected;
}

// The names of the field elements written under `element` (see Expected).
void AddNames(const XmlElement* element, const std::string& prefix, Names& names)
{
    for (const XmlElement* child = element->FirstChildElement(); child; child = child->NextSiblingElement())
    {
        const char* name = child->Attribute("name");
        names.push_back(prefix + (name ? name : child->Name()));
        if (!name)
            AddNames(child, prefix + child->Name() + "/", names);
    }
}

Names WrittenNames(const Component& component, bool instanceOnly)
{
    XmlFile file;
    XmlElement* root = file.CreateRoot("Components");
    component.Serialize(file, root, instanceOnly);
    const XmlElement* element = root->FirstChildElement();
    if (!element)
        return {"-"};
    EXPECT_STREQ(element->Name(), component.GetTypeName());
    Names names;
    AddNames(element, "", names);
    return names;
}

Names PanelLabels(Component& component, bool instanceOnly)
{
    TweakBar bar;
    component.AddToTweakBar(bar, instanceOnly);
    Names labels;
    for (const TweakEntry& entry : bar.Entries())
        labels.push_back(entry.name);
    return labels;
}

// The text of every field, in description order.
Names Values(const Component& component)
{
    Names values;
    const ComponentFields& fields = *component.Fields();
    for (size_t i = 0; i < fields.Describe().size(); ++i)
        values.push_back(fields.ValueText(component, i));
    return values;
}

std::unique_ptr<Component> ReadBack(const Component& component, bool instanceOnly)
{
    XmlFile file;
    component.Serialize(file, file.CreateRoot("Components"), instanceOnly);
    std::unique_ptr<Component> back = Factory::Instance().CreateComponent(component.GetTypeName());
    back->Deserialize(file, file.GetRoot()->FirstChildElement());
    return back;
}

class ComponentFieldsTest : public testing::Test
{
  protected:
    void SetUp() override
    {
        CaptureStdout(
            []
            {
                Logic::Instance().Init();
                Factory::Instance().Init();
            });
        m_everything = Factory::Instance().FindArchetype("Everything");
        ASSERT_NE(m_everything, nullptr);
    }

    Component& Of(ComponentType type) const { return *m_everything->GetComponent(type); }

    ScopedWorkingDirectory m_cwd{FixturePath("fields")};
    const GameObject* m_everything = nullptr;
};
} // namespace

TEST_F(ComponentFieldsTest, TheRegistryDescribesEveryComponentTypeTheFactoryMakes)
{
    const auto descriptions = ComponentDescriptions::All();
    ASSERT_EQ(descriptions.size(), ExpectedFields().size());
    for (const auto& [type, fields] : descriptions)
    {
        EXPECT_EQ(fields->ElementName(), ComponentTypeName(type));
        EXPECT_EQ(fields, Of(type).Fields()) << "one description per class";
        for (const FieldInfo& info : fields->Describe())
        {
            if (!info.panelOnly)
            {
                EXPECT_FALSE(info.typeName.empty() || info.element.empty())
                    << ComponentTypeName(type) << info.name;
            }
        }
    }
    const std::vector<FieldInfo> body = descriptions.at(ComponentType::RigidBody)->Describe();
    EXPECT_EQ(body.back().name, "velCapY");
    EXPECT_EQ(body.back().defaultText, "3.4028235e+38");
    EXPECT_EQ(body.back().label, "VelCapY");
    const std::vector<FieldInfo> controller = descriptions.at(ComponentType::Controller)->Describe();
    ASSERT_EQ(controller.back().nested.size(), 1u);
    EXPECT_EQ(controller.back().nested[0]->ElementName(), "Mover");
    EXPECT_EQ(descriptions.at(ComponentType::Property)->Describe()[0].defaultText, "Player");
}

TEST_F(ComponentFieldsTest, EveryComponentWritesAndShowsExactlyTheFieldsOfTheDataFormat)
{
    for (const auto& [type, expected] : ExpectedFields())
    {
        SCOPED_TRACE(ComponentTypeName(type));
        Component& component = Of(type);
        EXPECT_EQ(WrittenNames(component, false), expected.archetypeFile);
        EXPECT_EQ(WrittenNames(component, true), expected.instanceFile);
        EXPECT_EQ(PanelLabels(component, false), expected.archetypePanel);
        EXPECT_EQ(PanelLabels(component, true), expected.instancePanel);
    }
}

TEST_F(ComponentFieldsTest, EveryComponentReadsBackEveryFieldItWrites)
{
    for (const auto& [type, expected] : ExpectedFields())
    {
        SCOPED_TRACE(ComponentTypeName(type));
        const Component& original = Of(type);
        const std::vector<FieldInfo> infos = original.Fields()->Describe();
        const Names values = Values(original);
        for (bool instanceOnly : {false, true})
        {
            const Names back = Values(*ReadBack(original, instanceOnly));
            // A nested part's text holds all its fields; only the placed-object form writes them all.
            for (size_t i = 0; i < infos.size(); ++i)
            {
                const bool partly = infos[i].read == FieldRead::Nested && !instanceOnly;
                if (infos[i].read != FieldRead::Never && InScope(infos[i].written, instanceOnly) && !partly)
                {
                    EXPECT_EQ(back[i], values[i]) << infos[i].name;
                }
            }
        }
        // The fixture must show every field: each one read from a file is away from its default,
        // except the motion a body always starts without.
        for (size_t i = 0; i < infos.size(); ++i)
        {
            const bool resetByReading = type == ComponentType::RigidBody &&
                                        (infos[i].name == "velocity" || infos[i].name == "accumulateForce" ||
                                         infos[i].name == "accumalatedTorque");
            if (infos[i].read != FieldRead::Never && !resetByReading)
            {
                EXPECT_NE(values[i], infos[i].defaultText)
                    << infos[i].name << " is at its default in the fixture";
            }
        }
    }
}

TEST_F(ComponentFieldsTest, EveryCloneKeepsTheClonedFieldsAndStartsTheOthersAtTheirDefaults)
{
    static_cast<Spin&>(Of(ComponentType::Spin)).SetAngle(45.0f);
    static_cast<Camera&>(Of(ComponentType::Camera)).SetPosition({4, 5, 6, 1});
    for (const auto& [type, expected] : ExpectedFields())
    {
        SCOPED_TRACE(ComponentTypeName(type));
        const Component& original = Of(type);
        const std::unique_ptr<Component> clone = original.Clone();
        ASSERT_EQ(clone->GetType(), type);
        const std::vector<FieldInfo> infos = original.Fields()->Describe();
        const Names values = Values(original), cloned = Values(*clone);
        for (size_t i = 0; i < infos.size(); ++i)
        {
            if (!infos[i].cloned)
            {
                EXPECT_EQ(cloned[i], infos[i].defaultText) << infos[i].name;
            }
            else if (!infos[i].clonedByHook)
            {
                EXPECT_EQ(cloned[i], values[i]) << infos[i].name;
            }
        }
    }
}

TEST_F(ComponentFieldsTest, CloneHooksDeriveTheCopysValues)
{
    auto node = Of(ComponentType::RaceNode).Clone();
    EXPECT_EQ(static_cast<RaceNode&>(*node).GetId(), 5) << "a copied node is numbered after the original";
    auto& camera = static_cast<Camera&>(Of(ComponentType::Camera));
    camera.SetOffset({1, 2, 3, 1});
    auto cameraClone = camera.Clone();
    EXPECT_EQ(static_cast<Camera&>(*cameraClone).GetDirection(), (Vector4{0, 0, 1, 0}))
        << "read as (0, 0, 2, 0)";
    EXPECT_EQ(static_cast<Camera&>(*cameraClone).GetUp(), (Vector4{1, 0, 0, 0})) << "read as (3, 0, 0, 0)";
    EXPECT_EQ(static_cast<Camera&>(*cameraClone).GetOffset(), (Vector4{1, 2, 3, 1}));
    auto life = Of(ComponentType::LifeComponent).Clone();
    EXPECT_EQ(static_cast<LifeComponent&>(*life).GetTimeLeft(), 8.0f) << "the clone's countdown starts full";
}
