#include "PhysicsWorld.h"

#include "physics/CollisionTable.h"
#include "physics/ContactResolver.h"

#include <gtest/gtest.h>

TEST(Collider, CategoryBitsAndTheTwoWayFilter)
{
    Collider player;
    player.SetCategory("P1");
    EXPECT_EQ(player.GetCategoryName(), "P1");
    player.SetCategory("NoSuchCategory");
    EXPECT_EQ(player.GetCategory(), CollisionCategory::P1);

    player.SetRespondsTo("CheckPoint", false);
    EXPECT_EQ(player.GetBitField(), ~(1u << 10));
    EXPECT_FALSE(player.RespondsTo(CollisionCategory::CheckPoint));
    EXPECT_TRUE(player.RespondsTo(CollisionCategory::None)); // None owns bit 31
    player.SetRespondsTo("Invalid_Bit", false);
    EXPECT_EQ(player.GetBitField(), ~(1u << 10));
    player.SetRespondsTo("All", false);
    EXPECT_EQ(player.GetBitField(), 0u);
    player.SetRespondsTo("P2", true);
    EXPECT_EQ(player.GetBitField(), 1u << 1);

    Collider gate;
    gate.SetCategory("CheckPoint");
    Contact contact = PairOf(player, gate);
    ContactResolver resolver;
    EXPECT_FALSE(resolver.Filter(contact)); // the player does not respond to gates
    player.SetRespondsTo("All", true);
    EXPECT_TRUE(resolver.Filter(contact));
    gate.SetRespondsTo("P1", false);
    EXPECT_FALSE(resolver.Filter(contact));
}

TEST(Collider, DeserializeAppliesTheCategoryCorrections)
{
    XmlFile file = XmlFile::FromText(R"(<Components>
        <Collider>
            <string name="bv_type" value="BVT_SPHERE"/>
            <Vector4 name="center"><float value="0"/><float value="1"/><float value="0"/><float value="1"/></Vector4>
            <Vector4 name="halfWidth"><float value="2"/><float value="2"/><float value="2"/><float value="0"/></Vector4>
            <bool name="isDynamics" value="1"/>
            <string name="bit_type" value="None"/>
            <int name="bit_field" value="5"/>
        </Collider>
        <Collider>
            <string name="bv_type" value="BVT_CAPSULE"/>
            <string name="bit_type" value="All"/>
            <int name="bit_field" value="5"/>
        </Collider>
        <Collider><string value="BVT_OBB"/><string name="bit_type" value="P3"/><int name="bit_field" value="-2"/></Collider>
    </Components>)");
    const XmlElement* first = file.GetRoot()->FirstChildElement();
    Collider sphere;
    sphere.Deserialize(file, first);
    EXPECT_EQ(sphere.GetVolumeType(), VolumeType::Sphere);
    EXPECT_EQ(sphere.GetOffset(), (Vector4{0, 1, 0, 1}));
    EXPECT_EQ(sphere.GetHalfExtents(), (Vector4{2, 2, 2, 0}));
    EXPECT_TRUE(sphere.IsDynamic());
    EXPECT_EQ(sphere.GetBitField(), 0u);

    Collider unknown;
    unknown.Deserialize(file, first->NextSiblingElement());
    EXPECT_EQ(unknown.GetVolumeType(), VolumeType::Aabb);
    EXPECT_EQ(unknown.GetBitField(), 0xFFFFFFFFu);

    Collider third;
    third.Deserialize(file, first->NextSiblingElement()->NextSiblingElement());
    EXPECT_EQ(third.GetVolumeType(), VolumeType::Obb);
    EXPECT_EQ(third.GetCategory(), CollisionCategory::P3);
    EXPECT_EQ(third.GetBitField(), 0xFFFFFFFEu);
}

TEST(Collider, SerializeRoundTripsAndWritesNothingForInstances)
{
    Collider collider;
    collider.SetVolumeType(VolumeType::Obb);
    collider.SetDynamic(true);
    collider.SetCategory("RaceNode");
    collider.SetRespondsTo("P4", false);
    XmlFile file;
    XmlElement* root = file.CreateRoot("Components");
    collider.Serialize(file, root, true);
    EXPECT_EQ(root->FirstChildElement(), nullptr);
    collider.Serialize(file, root, false);

    std::string names;
    for (const XmlElement* child = root->FirstChildElement("Collider")->FirstChildElement(); child;
         child = child->NextSiblingElement())
        names += XmlFile::FirstAttributeValue(child) + " ";
    EXPECT_EQ(names, "bv_type center halfWidth isDynamics bit_type bit_field ");

    Collider copy;
    copy.Deserialize(file, root->FirstChildElement("Collider"));
    EXPECT_EQ(copy.GetVolumeType(), VolumeType::Obb);
    EXPECT_TRUE(copy.IsDynamic());
    EXPECT_EQ(copy.GetCategoryName(), "RaceNode");
    EXPECT_EQ(copy.GetBitField(), collider.GetBitField());
}

TEST(Collider, PlacementFollowsTransformAndSizingRule)
{
    PhysicsWorld world;
    GameObject& box = world.Add(VolumeType::Aabb, {1, 2, 3}, {4, 2, 6});
    GameObject& ball = world.Add(VolumeType::Sphere, {0, 0, 0}, {3, 1, 1});
    PhysicsSystem::Instance().PreUpdate();
    EXPECT_EQ(ColliderOf(box).GetWorldCenter(), (Vector4{1, 2, 3, 1}));
    EXPECT_EQ(ColliderOf(box).GetHalfExtents(), (Vector4{2, 1, 3, 1}));
    EXPECT_EQ(ColliderOf(ball).GetHalfExtents(), (Vector4{3, 1, 1, 1})); // radius is scale.x

    TransformOf(box).SetPosition({std::nanf(""), 0, 0, 1}); // keeps the last good placement
    PhysicsSystem::Instance().PreUpdate();
    EXPECT_EQ(ColliderOf(box).GetWorldCenter(), (Vector4{1, 2, 3, 1}));
}

TEST(CollisionTable, MixedPairsAreSwappedAndBothRecordTheTouch)
{
    PhysicsWorld world;
    GameObject& box = world.Add(VolumeType::Aabb, {0, 0, 0}, {2, 2, 2});
    GameObject& ball = world.Add(VolumeType::Sphere, {0, 1.5f, 0});
    GameObject& far = world.Add(VolumeType::Sphere, {10, 0, 0});
    PhysicsSystem::Instance().PreUpdate();
    CollisionTable table;

    Contact contact = PairOf(ColliderOf(box), ColliderOf(ball));
    EXPECT_EQ(table.Detect(contact), 1);
    EXPECT_EQ(contact.a, &ColliderOf(ball));
    EXPECT_EQ(contact.normal, (Vector4{0, -1, 0, 0}));
    EXPECT_TRUE(ColliderOf(box).HasTouched(&ColliderOf(ball)));
    EXPECT_TRUE(ColliderOf(ball).HasTouched(&ColliderOf(box)));

    Contact miss = PairOf(ColliderOf(ball), ColliderOf(far));
    EXPECT_EQ(table.Detect(miss), 0);
    EXPECT_TRUE(ColliderOf(far).GetTouchedList().empty());
    EXPECT_EQ(table.Find(static_cast<VolumeType>(3), VolumeType::Aabb), nullptr);
}
