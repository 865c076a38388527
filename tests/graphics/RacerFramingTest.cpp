// The racers as players see them, measured in a seeded watertrack race run headless: the drawn
// ball is exactly as big as the sphere it collides with, it hovers just clear of the boards with
// its shadow beneath it, and each player's follow camera keeps the own ball the subject of its
// quarter of the screen.
#include "core/Engine.h"
#include "gameplay/CheckPointSystem.h"
#include "gameplay/Controller.h"
#include "graphics/Camera.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/MeshRenderer.h"
#include "graphics/RenderDevice.h"
#include "graphics/ResourceTables.h"
#include "graphics/ShadowPass.h"
#include "graphics/TbmFile.h"
#include "graphics/ViewMatrices.h"
#include "graphics/ViewState.h"
#include "objects/GameObject.h"
#include "objects/Logic.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "states/GameStateManager.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <vector>

namespace
{
// A player's quarter of the 1280 x 720 window in a four-player race.
constexpr float kQuarterHeight = 360.0f;
constexpr int kCountdownFrames = 240;
constexpr int kRaceFrames = 1800;
constexpr int kSampleEvery = 15;

// Half the extent of the mesh file's positions along x: a ball's radius in its own space.
float MeshRadius(const std::string& meshName)
{
    std::vector<unsigned char> bytes;
    std::string error;
    if (!ReadFileBytes("res/models/" + meshName, bytes))
        return 0.0f;
    const std::optional<TbmMesh> mesh = ParseTbm(bytes, error);
    if (!mesh || mesh->vertexCount == 0)
        return 0.0f;
    float low = INFINITY, high = -INFINITY;
    for (uint32_t i = 0; i < mesh->vertexCount; ++i)
    {
        float x = 0.0f;
        std::memcpy(&x, mesh->vertices.data() + static_cast<size_t>(i) * mesh->stride, sizeof x);
        low = std::min(low, x);
        high = std::max(high, x);
    }
    return (high - low) * 0.5f;
}

// Height in pixels of a sphere seen by `camera` in a view `viewHeight` pixels tall: the
// projection's vertical scale over the sphere's depth along the view direction.
float PixelHeight(const Camera& camera, const Vector4& centre, float radius, float viewHeight)
{
    const float depth = (centre - camera.GetPosition()).Dot(camera.GetDirection());
    if (depth <= radius)
        return viewHeight;
    return radius / (depth * std::tan(ViewMatrices::kFieldOfView * 0.5f)) * viewHeight;
}

struct RacerView
{
    GameObject* ball = nullptr;
    Camera* camera = nullptr;
    Controller* controller = nullptr;
};

// The seeded race of the runner's `--state 4`, four computer racers on the first track.
class WatertrackRace : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_engine.GetFrameController().SetFixedDeltaTime(1.0f / 60.0f);
        m_engine.SetRandomSeed(1u);
        CaptureStdout([&] { m_engine.Init(); });
        GameStateManager::Instance().RequestPush(4);
        Run(1);
        for (Component* c : Logic::Instance().Controllers())
        {
            GameObject* ball = c->GetOwner();
            m_racers.push_back({ball, ball->Get<Camera>(ComponentType::Camera), static_cast<Controller*>(c)});
        }
    }

    void Run(int frames)
    {
        CaptureStdout(
            [&]
            {
                for (int i = 0; i < frames; ++i)
                    m_engine.RunFrame();
            });
    }

    ScopedWorkingDirectory m_cwd{VANTORA_SOURCE_DIR};
    Engine m_engine;
    std::vector<RacerView> m_racers;
};
} // namespace

TEST_F(WatertrackRace, EachRacersDrawnBallIsAsBigAsItsCollider)
{
    Run(2); // the physics sizes colliders from their Transform in its first update
    std::set<std::string> archetypes;
    ASSERT_EQ(m_racers.size(), 4u);
    for (const RacerView& racer : m_racers)
    {
        const auto* renderer = racer.ball->Get<MeshRenderer>(ComponentType::MeshRenderer);
        const auto* collider = racer.ball->Get<Collider>(ComponentType::Collider);
        const auto* transform = racer.ball->Get<Transform>(ComponentType::Transform);
        ASSERT_TRUE(renderer && collider && transform) << racer.ball->GetName();
        ASSERT_EQ(collider->GetVolumeType(), VolumeType::Sphere);
        const float drawn = MeshRadius(renderer->GetMeshName()) * transform->GetScale().x;
        EXPECT_NEAR(drawn, collider->GetHalfExtents().x, 0.01f) << racer.ball->GetName();
        archetypes.insert(racer.ball->GetName());
    }
    EXPECT_EQ(archetypes, (std::set<std::string>{"Racer1", "Racer2", "Racer3", "Racer4"}));
}

TEST_F(WatertrackRace, BallsHoverJustClearOfTheBoards)
{
    Run(kCountdownFrames);
    float lowest = INFINITY, total = 0.0f;
    int samples = 0;
    for (int frame = 0; frame < 600; frame += kSampleEvery)
    {
        Run(kSampleEvery);
        for (const RacerView& racer : m_racers)
        {
            Movement& mover = racer.controller->GetMover();
            if (mover.GetGroundObjectId() == -1)
                continue;
            const float radius = racer.ball->Get<Collider>(ComponentType::Collider)->GetHalfExtents().x;
            const float clearance = Transform::PositionOf(racer.ball).y - radius - mover.GetGroundPoint().y;
            lowest = std::min(lowest, clearance);
            total += clearance;
            ++samples;
        }
    }
    ASSERT_GT(samples, 0);
    std::printf("hover clearance: lowest %.2f, mean %.2f over %d samples\n", lowest, total / samples,
                samples);
    // Touching down after a bump is fine; floating a whole radius above the boards is not.
    EXPECT_GT(lowest, -0.15f);
    EXPECT_LT(total / static_cast<float>(samples), 0.5f);
}

TEST_F(WatertrackRace, EveryBallOnTheBoardsCastsAShadowRightUnderIt)
{
    Run(kCountdownFrames + 120);
    RenderDevice device; // placing shadows needs no device; only drawing them does
    ResourceTables resources;
    ViewState view;
    ShadowPass shadows(device, resources, view);
    shadows.Place();
    ASSERT_EQ(shadows.Shadows().size(), m_racers.size());
    for (const BlobShadow& shadow : shadows.Shadows())
    {
        EXPECT_GT(shadow.opacity, 0.6f) << "the balls ride just clear of the boards";
        const Vector4 centre = shadow.world * Vector4{0, 0, 0, 1};
        float nearest = INFINITY;
        for (const RacerView& racer : m_racers)
        {
            Vector4 offset = Transform::PositionOf(racer.ball) - centre;
            offset.y = 0.0f;
            nearest = std::min(nearest, offset.Length());
        }
        EXPECT_LT(nearest, 1.0f) << "cast a little away from the sun, but under the ball";
    }
}

TEST_F(WatertrackRace, TheOwnBallFillsItsQuarterAtEverySpeed)
{
    Run(kSampleEvery); // the cameras settle behind the balls on the grid
    float smallest = INFINITY, largest = 0.0f;
    // From the grid through the countdown, the start, top speed and the turns of the first lap.
    for (int frame = 0; frame < kCountdownFrames + kRaceFrames; frame += kSampleEvery)
    {
        Run(kSampleEvery);
        for (const RacerView& racer : m_racers)
        {
            const float radius = racer.ball->Get<Collider>(ComponentType::Collider)->GetHalfExtents().x;
            const float pixels =
                PixelHeight(*racer.camera, Transform::PositionOf(racer.ball), radius, kQuarterHeight);
            smallest = std::min(smallest, pixels);
            largest = std::max(largest, pixels);
        }
    }
    std::printf("own ball: %.0f to %.0f pixels tall in a 640 x 360 quarter\n", smallest, largest);
    EXPECT_GE(smallest, 40.0f);
    EXPECT_LE(largest, 80.0f);
}
