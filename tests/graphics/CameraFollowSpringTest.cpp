// The follow camera's spring as data: archetypes may stiffen it, and values that the fixed-step
// integration cannot hold are refused before they can throw a camera off into the distance.
#include "graphics/Camera.h"
#include "objects/XmlFile.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace
{
constexpr float kStep = 0.016f;
constexpr float kMass = 20.0f;

// Distance from rest after `steps` of the camera's integration, released one unit away.
float DistanceAfter(float stiffness, float damping, int steps)
{
    float x = 1.0f, v = 0.0f;
    for (int i = 0; i < steps; ++i)
    {
        v += (-stiffness * x - damping * v) / kMass * kStep;
        x += v * kStep;
    }
    return std::fabs(x);
}

std::unique_ptr<Camera> Read(const std::string& fields)
{
    const std::string vector =
        R"(<Vector4><float value="0"/><float value="1"/><float value="0"/><float value="0"/></Vector4>)";
    XmlFile file = XmlFile::FromText("<Camera>" + vector + vector + vector + fields + "</Camera>");
    auto camera = std::make_unique<Camera>();
    camera->Deserialize(file, file.GetRoot());
    return camera;
}
} // namespace

TEST(CameraFollowSpring, TheStabilityBoundSeparatesSpringsThatSettleFromOnesThatSwingUp)
{
    // The bound is k h^2 / m + 2 c h / m < 4 with some damping: k < 312500 as c goes to 0, and
    // c < 2487 at the default stiffness.
    for (const auto& [stiffness, damping] :
         {std::pair{1600.0f, 600.0f}, {6400.0f, 600.0f}, {250000.0f, 100.0f}, {1600.0f, 2400.0f}})
    {
        ASSERT_TRUE(Camera::IsStableFollowSpring(stiffness, damping)) << stiffness << " / " << damping;
        EXPECT_LT(DistanceAfter(stiffness, damping, 20000), 1.0f) << stiffness << " / " << damping;
    }
    for (const auto& [stiffness, damping] :
         {std::pair{330000.0f, 10.0f}, {1600.0f, 2600.0f}, {200000.0f, 1000.0f}})
    {
        ASSERT_FALSE(Camera::IsStableFollowSpring(stiffness, damping)) << stiffness << " / " << damping;
        EXPECT_FALSE(DistanceAfter(stiffness, damping, 20000) < 1.0f) << stiffness << " / " << damping;
    }
    EXPECT_FALSE(Camera::IsStableFollowSpring(0.0f, 600.0f));
    EXPECT_FALSE(Camera::IsStableFollowSpring(1600.0f, 0.0f)); // swings for ever
    EXPECT_FALSE(Camera::IsStableFollowSpring(NAN, 600.0f));
}

TEST(CameraFollowSpring, ArchetypesMayStiffenItAndBadValuesKeepTheDefaults)
{
    const std::unique_ptr<Camera> plain = Read("");
    EXPECT_EQ(plain->GetFollowStiffness(), 1600.0f);
    EXPECT_EQ(plain->GetFollowDamping(), 600.0f);

    const std::unique_ptr<Camera> stiff =
        Read(R"(<float name="followStiffness" value="6400"/><float name="followDamping" value="500"/>)");
    EXPECT_EQ(stiff->GetFollowStiffness(), 6400.0f);
    EXPECT_EQ(stiff->GetFollowDamping(), 500.0f);
    const std::unique_ptr<Component> copy = stiff->Clone();
    EXPECT_EQ(static_cast<Camera&>(*copy).GetFollowDamping(), 500.0f);

    for (const char* bad :
         {R"(<float name="followStiffness" value="-5"/>)", R"(<float name="followDamping" value="9000"/>)",
          R"(<float name="followStiffness" value="1e9"/>)"})
    {
        std::unique_ptr<Camera> camera;
        const std::string printed = CaptureStdout([&] { camera = Read(bad); });
        EXPECT_EQ(camera->GetFollowStiffness(), 1600.0f) << bad;
        EXPECT_EQ(camera->GetFollowDamping(), 600.0f) << bad;
        EXPECT_NE(printed.find("would not settle"), std::string::npos) << bad;
        EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
    }
}
