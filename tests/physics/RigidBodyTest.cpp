#include "physics/RigidBody.h"
#include "physics/EulerIntegrator.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <limits>

namespace
{
constexpr float kMaxFloat = std::numeric_limits<float>::max();

void ExpectVector(const Vector4& actual, const Vector4& expected, float tolerance = 1e-5f)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
    EXPECT_NEAR(actual.w, expected.w, tolerance);
}
} // namespace

TEST(RigidBody, AddVelocityCapsHorizontalAndUpwardSpeedOnly)
{
    RigidBody body;
    body.SetVelocityCapXZ(10);
    body.SetVelocityCapY(20);
    body.SetVelocity({30, 50, 40, 7});
    ExpectVector(body.GetVelocity(), {30, 50, 40, 0}); // SetVelocity: no caps, w forced to 0
    body.AddVelocity({});
    ExpectVector(body.GetVelocity(), {6, 20, 8, 0});

    body.SetVelocity({0, -100, 0, 0});
    body.AddVelocity({});
    ExpectVector(body.GetVelocity(), {0, -100, 0, 0});
}

TEST(RigidBody, EulerMovesByTheNewVelocityAndClearsForces)
{
    RigidBody body;
    body.SetMass(2);
    body.SetPosition({1, 0, 0, 5});
    EXPECT_EQ(body.GetPosition().w, 1.0f);
    body.AddForce({4, 0, 0, 3});
    EXPECT_EQ(body.GetForce().w, 0.0f);
    EulerIntegrator().Integrate(body, 0.5f);
    ExpectVector(body.GetVelocity(), {1, 0, 0, 0});
    ExpectVector(body.GetPosition(), {1.5f, 0, 0, 1});
    ExpectVector(body.GetForce(), {});
}

TEST(RigidBody, StaticBodyIgnoresForcesButCoastsOnItsVelocity)
{
    RigidBody body;
    body.SetStatic(true);
    body.SetVelocity({2, 0, 0, 0});
    body.AddForce({1000, 1000, 0, 0});
    EulerIntegrator().Integrate(body, 0.5f);
    ExpectVector(body.GetVelocity(), {2, 0, 0, 0});
    ExpectVector(body.GetPosition(), {1, 0, 0, 1});
}

TEST(RigidBody, MassInvariantAndStaticSwitch)
{
    RigidBody body;
    body.SetMass(4);
    EXPECT_FLOAT_EQ(body.GetInverseMass(), 0.25f);
    body.SetStatic(true);
    EXPECT_EQ(body.GetMass(), kMaxFloat);
    EXPECT_EQ(body.GetInverseMass(), 0.0f);
    body.SetMass(3); // ignored while static
    EXPECT_EQ(body.GetMass(), kMaxFloat);
    body.SetStatic(false);
    EXPECT_EQ(body.GetMass(), kMaxFloat); // clearing the flag keeps the mass
    EXPECT_EQ(body.GetInverseMass(), 0.0f);

    body.SetMass(0); // would make the inverse mass infinite
    EXPECT_FLOAT_EQ(body.GetMass(), 0.01f);
    EXPECT_FLOAT_EQ(body.GetInverseMass(), 100.0f);
}

TEST(RigidBody, NonFiniteChangesAreRefused)
{
    RigidBody body;
    body.SetVelocity({1, 2, 3, 0});
    const float inf = std::numeric_limits<float>::infinity();
    body.SetVelocity({inf, 0, 0, 0});
    body.AddVelocity({std::nanf(""), 0, 0, 0});
    body.AddForce({0, -inf, 0, 0});
    body.SetPosition({0, inf, 0, 1});
    ExpectVector(body.GetVelocity(), {1, 2, 3, 0});
    ExpectVector(body.GetForce(), {});
    ExpectVector(body.GetPosition(), {0, 0, 0, 1});
}

TEST(RigidBody, DeserializeReadsByPositionThenByNameAndStartsAtRest)
{
    // Positional fields carry misleading names on purpose: only their order counts.
    XmlFile file = XmlFile::FromText(R"(<RigidBody>
        <Vector4 name="a"><float value="1"/><float value="2"/><float value="3"/><float value="1"/></Vector4>
        <Vector4 name="b"><float value="9"/><float value="9"/><float value="9"/><float value="0"/></Vector4>
        <Vector4 name="c"><float value="5"/><float value="5"/><float value="5"/><float value="0"/></Vector4>
        <Vector4 name="d"><float value="0"/><float value="1"/><float value="0"/><float value="0"/></Vector4>
        <Vector4 name="e"><float value="1"/><float value="1"/><float value="1"/><float value="0"/></Vector4>
        <Vector4 name="f"><float value="2"/><float value="2"/><float value="2"/><float value="0"/></Vector4>
        <float name="g" value="4"/>
        <Matrix4 name="h"><float value="7"/></Matrix4>
        <float name="restitution" value="0.25"/>
        <bool name="gravityOn" value="yes"/>
        <float name="velCapXZ" value="12"/>
    </RigidBody>)");
    RigidBody body;
    const std::string output = CaptureStdout([&] { body.Deserialize(file, file.GetRoot()); });
    EXPECT_EQ(output, "Error Reading Matrix4 from Node: Matrix4\n");
    ExpectVector(body.GetPosition(), {1, 2, 3, 1});
    ExpectVector(body.GetVelocity(), {});
    ExpectVector(body.GetForce(), {});
    EXPECT_EQ(body.GetOrientation(), (Quaternion{0, 1, 0, 0}));
    EXPECT_FLOAT_EQ(body.GetMass(), 4.0f);
    EXPECT_FLOAT_EQ(body.GetInverseMass(), 0.25f);
    EXPECT_FLOAT_EQ(body.GetInverseInertiaTensor().m[0], 7.0f);
    EXPECT_FLOAT_EQ(body.GetRestitution(), 0.25f);
    EXPECT_TRUE(body.IsGravityOn());
    EXPECT_FALSE(body.IsStatic());
    EXPECT_FLOAT_EQ(body.GetVelocityCapXZ(), 12.0f);
    EXPECT_EQ(body.GetVelocityCapY(), kMaxFloat);
}

TEST(RigidBody, ZeroMassInAFileIsRaisedAndReported)
{
    XmlFile file = XmlFile::FromText(R"(<RigidBody><float value="0"/><float value="0"/><float value="0"/>
        <float value="0"/><float value="0"/><float value="0"/><float name="mass" value="0"/></RigidBody>)");
    RigidBody body;
    const std::string output = CaptureStdout([&] { body.Deserialize(file, file.GetRoot()); });
    EXPECT_NE(output.find("mass"), std::string::npos);
    EXPECT_FLOAT_EQ(body.GetInverseMass(), 100.0f);
}

TEST(RigidBody, SerializeWritesTheKnownNamesAndRoundTrips)
{
    RigidBody body;
    body.SetMass(2);
    body.SetRestitution(0.75f);
    body.SetGravityOn(true);
    body.SetVelocityCapXZ(5);
    XmlFile file;
    XmlElement* root = file.CreateRoot("Components");
    body.Serialize(file, root, false);
    body.Serialize(file, root, true);

    auto names = [](const XmlElement* element)
    {
        std::string all;
        for (const XmlElement* child = element->FirstChildElement(); child;
             child = child->NextSiblingElement())
            all += XmlFile::FirstAttributeValue(child) + " ";
        return all;
    };
    const XmlElement* full = root->FirstChildElement("RigidBody");
    EXPECT_EQ(names(full),
              "position velocity accumulateForce orientation angularVelocity accumalatedTorque mass "
              "inverseInetriaTensor gravityOn isStatic restitution velCapXZ velCapY ");
    EXPECT_EQ(names(full->NextSiblingElement("RigidBody")),
              "position velocity accumulateForce orientation angularVelocity accumalatedTorque mass "
              "inverseInetriaTensor velCapXZ velCapY ");

    RigidBody copy;
    copy.Deserialize(file, full);
    EXPECT_FLOAT_EQ(copy.GetInverseMass(), 0.5f);
    EXPECT_FLOAT_EQ(copy.GetRestitution(), 0.75f);
    EXPECT_TRUE(copy.IsGravityOn());
    EXPECT_FLOAT_EQ(copy.GetVelocityCapXZ(), 5.0f);
}
