#include "objects/FieldList.h"
#include "core/TweakBar.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace
{
// A nested part with a field that is written but not read back.
struct Spring
{
    float stiffness = 75.0f;
    float limit = 19.0f;

    static const FieldSet<Spring>& Fields()
    {
        static const FieldList<Spring> fields = []
        {
            FieldList<Spring> list("Spring");
            list.Add("stiffness", &Spring::stiffness).ByPosition().Panel("stiffness");
            list.Add("limit", &Spring::limit).NotRead();
            return list.Group("");
        }();
        return fields;
    }
};

// One field of each kind and quirk the components use.
struct Gadget
{
    int id = 0;
    Vector4 facing{0, 0, 1, 0};
    int jump = 0;
    float range = 10.0f;
    Vector4 degrees;
    Quaternion rotation;
    bool visible = true;
    std::vector<int> neighbours;
    std::vector<std::string> archetypes;
    Spring spring;
    int setterCalls = 0;
    bool afterRead = false;

    void AddNeighbour(const int& n)
    {
        if (std::find(neighbours.begin(), neighbours.end(), n) == neighbours.end())
            neighbours.push_back(n);
    }
    void AddArchetype(const std::string& a) { archetypes.push_back(a); }

    static const FieldList<Gadget>& Fields()
    {
        static const FieldList<Gadget> fields = []
        {
            FieldList<Gadget> list("Gadget");
            list.Add("ID", &Gadget::id)
                .ByPosition()
                .Panel("Node_ID")
                .ShownWhen(FieldScope::InstanceOnly)
                .CloneWith([](const Gadget& from, Gadget& to) { to.id = from.id + 1; });
            list.Add("facing", &Gadget::facing).Panel("Facing", TweakType::Vector3).ReadOnlyOnInstance();
            list.Add("jump", &Gadget::jump).AfterPrevious().NotCloned();
            list.Add("range", &Gadget::range).Element("Float").Panel("range");
            list.Add("degrees", &Gadget::degrees)
                .NotCloned()
                .Panel("rot", TweakType::Vector3)
                .PanelSetter(
                    [](Gadget& g, const Vector4& d)
                    {
                        g.degrees = d;
                        g.rotation = Quaternion(0, d.y, 0, 1);
                        ++g.setterCalls;
                    });
            list.Add("rotation", &Gadget::rotation).Written(FieldScope::ArchetypeOnly);
            list.Add("visible", &Gadget::visible).Written(FieldScope::InstanceOnly);
            list.AddList<int>(
                    "neighbor", [](const Gadget& g) { return g.neighbours; }, &Gadget::AddNeighbour)
                .Container("Neighbours");
            list.AddNested(&Gadget::spring, Spring::Fields());
            list.AddSeparator("Rest");
            list.PanelOrder({"Facing", "Node_ID", "rot", "Rest", "range", "Spring"});
            list.InstanceWriteOrder(
                {"visible", "ID", "facing", "jump", "range", "degrees", "neighbor", "Spring"});
            return list.AfterRead([](Gadget& g) { g.afterRead = true; });
        }();
        return fields;
    }
};

XmlFile Parse(const std::string& text)
{
    return XmlFile::FromText(text);
}

std::vector<std::string> ChildNames(const XmlElement* element)
{
    std::vector<std::string> names;
    for (const XmlElement* child = element->FirstChildElement(); child; child = child->NextSiblingElement())
        names.push_back(child->Attribute("name") ? child->Attribute("name") : child->Name());
    return names;
}

std::vector<std::string> Labels(const TweakBar& bar)
{
    std::vector<std::string> labels;
    for (const TweakEntry& entry : bar.Entries())
        labels.push_back(entry.name);
    return labels;
}
} // namespace

TEST(FieldList, ReadsByPositionByNameAndRightAfterThePreviousField)
{
    XmlFile file = Parse(R"(<Gadget><int name="whatever" value="7"/>
        <Vector4 name="facing"><float value="1"/><float value="0"/><float value="0"/><float value="0"/></Vector4>
        <string name="anything" value="1"/><float name="range" value="99"/><Float name="range" value="3"/>
        <Spring><float value="80"/><float value="30"/></Spring></Gadget>)");
    Gadget g;
    Gadget::Fields().Read(g, file.GetRoot());
    EXPECT_EQ(g.id, 7) << "positional fields ignore names";
    EXPECT_EQ(g.facing, (Vector4{1, 0, 0, 0}));
    EXPECT_EQ(g.jump, 1) << "the element right after facing, whatever its name";
    EXPECT_EQ(g.range, 3.0f) << "only the element kind the field names is found";
    EXPECT_EQ(g.spring.stiffness, 80.0f);
    EXPECT_EQ(g.spring.limit, 19.0f) << "written but never read back";
    EXPECT_TRUE(g.afterRead);

    XmlFile noFacing = Parse(R"(<Gadget><int name="ID" value="2"/><int name="jump" value="5"/></Gadget>)");
    Gadget h;
    Gadget::Fields().Read(h, noFacing.GetRoot());
    EXPECT_EQ(h.jump, 0) << "without the element before it, the field stays";
    Gadget untouched;
    Gadget::Fields().Read(untouched, nullptr);
    EXPECT_FALSE(untouched.afterRead) << "a missing element reads nothing";
}

TEST(FieldList, WritesTheFieldsInScopeInFileOrInstanceOrder)
{
    Gadget g;
    g.neighbours = {3, 5};
    XmlFile file;
    XmlElement* root = file.CreateRoot("Components");
    Gadget::Fields().Write(g, file, root, false);
    Gadget::Fields().Write(g, file, root, true);
    const XmlElement* archetype = root->FirstChildElement("Gadget");
    const XmlElement* instance = archetype->NextSiblingElement("Gadget");
    EXPECT_EQ(ChildNames(archetype), (std::vector<std::string>{"ID", "facing", "jump", "range", "degrees",
                                                               "rotation", "Neighbours", "Spring"}));
    EXPECT_EQ(ChildNames(instance), (std::vector<std::string>{"visible", "ID", "facing", "jump", "range",
                                                              "degrees", "Neighbours", "Spring"}));
    EXPECT_EQ(ChildNames(archetype->FirstChildElement("Neighbours")),
              (std::vector<std::string>{"neighbor", "neighbor"}));
    EXPECT_STREQ(XmlFile::FindChildElement(archetype, "Float", "range")->Attribute("value"), "10");
    EXPECT_EQ(ChildNames(archetype->FirstChildElement("Spring")),
              (std::vector<std::string>{"stiffness", "limit"}));

    Gadget back;
    Gadget::Fields().Read(back, archetype);
    EXPECT_EQ(Gadget::Fields().Text(back), Gadget::Fields().Text(g)) << "what is written reads back the same";
}

TEST(FieldList, CloneCopiesTheKeptFieldsLeavesTheOthersAtDefaultAndRunsItsHooks)
{
    Gadget g;
    g.id = 4;
    g.facing = {1, 0, 0, 0};
    g.jump = 1;
    g.degrees = {0, 90, 0, 0};
    g.neighbours = {8, 9};
    g.spring.stiffness = 12.0f;
    const std::unique_ptr<Gadget> copy = Gadget::Fields().Clone(g);
    EXPECT_EQ(copy->id, 5) << "a hook derives the clone's value";
    EXPECT_EQ(copy->facing, g.facing);
    EXPECT_EQ(copy->jump, 0);
    EXPECT_EQ(copy->degrees, Vector4());
    EXPECT_EQ(copy->neighbours, g.neighbours) << "lists are copied through the adder";
    EXPECT_EQ(copy->spring.stiffness, 12.0f) << "nested parts are copied field by field";
}

TEST(FieldList, PanelShowsTheFieldsInScopeInPanelOrderWithTheirAccess)
{
    Gadget g;
    TweakBar archetype, instance;
    Gadget::Fields().Show(g, archetype, false, "");
    Gadget::Fields().Show(g, instance, true, "");
    EXPECT_EQ(Labels(archetype), (std::vector<std::string>{"Facing", "rot", "Rest", "range", "stiffness"}));
    EXPECT_EQ(Labels(instance),
              (std::vector<std::string>{"Facing", "Node_ID", "rot", "Rest", "range", "stiffness"}));
    EXPECT_EQ(instance.Find("Facing")->access, TweakAccess::ReadOnly);
    EXPECT_EQ(archetype.Find("Facing")->access, TweakAccess::ReadWrite);
    EXPECT_EQ(archetype.Find("Facing")->definition, "group='Gadget'");
    EXPECT_EQ(archetype.Find("stiffness")->definition, "group='Gadget'")
        << "a nested part shows in its owner's group";
    EXPECT_EQ(archetype.Find("Rest")->access, TweakAccess::Separator);

    const TweakEntry* rot = archetype.Find("rot");
    ASSERT_EQ(rot->access, TweakAccess::Callback);
    g.degrees.w = 7.0f;
    const float written[3] = {1, 45, 2};
    rot->setter(written);
    EXPECT_EQ(g.degrees, (Vector4{1, 45, 2, 7})) << "three panel floats change x, y, z and keep w";
    EXPECT_EQ(g.rotation.y, 45.0f);
    float shown[4] = {-1, -1, -1, -1};
    rot->getter(shown);
    EXPECT_EQ(shown[2], 2.0f);
    EXPECT_EQ(shown[3], -1.0f) << "a Vector3 entry never writes a fourth float";
}

TEST(FieldList, ListsSkipUnreadableItemsAndCanReadAContainerOrReplaceOnRead)
{
    FieldList<Gadget> ground("Ground");
    ground.AddList<int>(
        "neighbor", [](const Gadget& g) { return g.neighbours; }, &Gadget::AddNeighbour);
    XmlFile file = Parse(R"(<Ground><int name="neighbor" value="3"/><int name="neighbor" value="x"/>
        <string name="neighbor" value="5"/><int name="neighbor" value="3"/></Ground>)");
    Gadget g;
    ground.Read(g, file.GetRoot());
    EXPECT_EQ(g.neighbours, (std::vector<int>{3, 5})) << "every child is an item, whatever its name";

    FieldList<Gadget> list("Spawner");
    list.AddList<std::string>(
            "archetype", [](const Gadget& s) { return s.archetypes; }, &Gadget::AddArchetype)
        .Container("SpawnList")
        .ReplacesOnRead([](Gadget& s) { s.archetypes.clear(); });
    XmlFile spawner = Parse(R"(<Spawner><string name="archetype" value="Stray"/>
        <SpawnList><string name="archetype" value="A"/><string name="archetype"/><string value="B"/></SpawnList></Spawner>)");
    Gadget s;
    s.archetypes = {"Old"};
    list.Read(s, spawner.GetRoot());
    EXPECT_EQ(s.archetypes, (std::vector<std::string>{"A", "B"}));
    XmlFile out;
    list.Write(s, out, out.CreateRoot("Components"), false);
    EXPECT_EQ(ChildNames(out.GetRoot()->FirstChildElement("Spawner")->FirstChildElement("SpawnList")),
              (std::vector<std::string>{"archetype", "archetype"}));
}

TEST(FieldList, DescribesEveryFieldWithItsDefaultAsTextAndItsNestedParts)
{
    const std::vector<FieldInfo> infos = Gadget::Fields().Describe();
    ASSERT_EQ(infos.size(), 10u);
    EXPECT_EQ(infos[1].name, "facing");
    EXPECT_EQ(infos[1].element, "Vector4");
    EXPECT_EQ(infos[1].defaultText, "(0, 0, 1, 0)");
    EXPECT_EQ(infos[1].label, "Facing");
    EXPECT_EQ(infos[2].read, FieldRead::AfterPrevious);
    EXPECT_FALSE(infos[2].cloned);
    EXPECT_TRUE(infos[0].clonedByHook);
    EXPECT_EQ(infos[3].element, "Float");
    EXPECT_EQ(infos[3].defaultText, "10");
    EXPECT_EQ(infos[5].typeName, "Quaternion");
    EXPECT_EQ(infos[5].written, FieldScope::ArchetypeOnly);
    EXPECT_EQ(infos[7].typeName, "list of int");
    EXPECT_EQ(infos[7].read, FieldRead::ChildrenOf);
    EXPECT_EQ(infos[7].defaultText, "[]");
    ASSERT_EQ(infos[8].nested.size(), 1u);
    EXPECT_EQ(infos[8].nested[0]->Describe()[1].read, FieldRead::Never);
    EXPECT_TRUE(infos[9].panelOnly);
    EXPECT_EQ(FieldText::Float(0.1f), "0.1") << "defaults read back as the same float";
}

TEST(FieldList, ASetterThatMustSeeEveryReadRunsEvenWithoutItsElement)
{
    int applied = 0;
    FieldList<Gadget> list("Life");
    list.Add("lifeTime", &Gadget::range)
        .ByPosition()
        .ReadWith([&applied](Gadget& g, const float& seconds) { g.range = seconds * 2, ++applied; })
        .ApplyEvenWhenMissing();
    XmlFile empty = Parse("<Life/>");
    Gadget g;
    list.Read(g, empty.GetRoot());
    EXPECT_EQ(applied, 1);
    EXPECT_EQ(g.range, 20.0f) << "applied with the current value";
}
