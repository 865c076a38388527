// Where texts land, worked out headless: the text system records what a drawn frame would show.
#include "graphics/GraphicsSystem.h"
#include "objects/GameObject.h"
#include "objects/PlayerControl.h"
#include "objects/Transform.h"
#include "support/TestSupport.h"
#include "text/TextComponent.h"
#include "text/TextSystem.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{
const Vector4 kWhite{1, 1, 1, 1};

// Stands in for a racer's Controller: only the player index matters to labels.
class Player final : public Component, public PlayerControl
{
  public:
    explicit Player(int index) : Component(ComponentType::Controller), m_index(index) {}
    int GetPlayerIndex() const override { return m_index; }
    const Vector4& GetFacing() const override { return m_facing; }

  private:
    int m_index;
    Vector4 m_facing{0, 0, -1, 0};
};

const std::vector<DrawnText>& Frame(const std::function<void()>& queue = [] {})
{
    TextSystem::Instance().SetRecording(true);
    queue();
    GraphicsSystem::Instance().PostUpdate();
    return TextSystem::Instance().LastFrameTexts();
}

// A labelled object at `position`, seen by the default camera (at the origin, looking down -z).
std::unique_ptr<GameObject> Labelled(const Vector4& position, int player, const std::string& text)
{
    auto object = std::make_unique<GameObject>("labelled");
    object->AddComponent(std::make_unique<Transform>());
    object->Get<Transform>(ComponentType::Transform)->SetPosition(position);
    object->AddComponent(std::make_unique<Player>(player));
    auto label = std::make_unique<TextComponent>();
    label->SetText(text);
    label->SetVisible(true);
    object->AddComponent(std::move(label));
    object->InitializeComponents();
    return object;
}
} // namespace

TEST(ScreenText, IsCentredInTheRectangleFromItsPlaceToTheFarCorner)
{
    const auto& drawn = Frame(
        [] {
            GraphicsSystem::Instance().PrintToScreen("Loading...", 0.0f, -0.9f, {30, 0, 0, 0}, kWhite);
        });
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].text, "Loading...");
    EXPECT_FLOAT_EQ(drawn[0].x, 640.0f);
    EXPECT_FLOAT_EQ(drawn[0].y, (648.0f + 720.0f) * 0.5f); // the lowest tenth of the window
    EXPECT_EQ(drawn[0].size, 32);
    EXPECT_EQ(drawn[0].viewport, -1);
}

TEST(ScreenText, EmptyAndNonFiniteTextsAreNotDrawnAndSaidOnce)
{
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    std::vector<DrawnText> drawn;
    const std::string said = CaptureStdout(
        [&]
        {
            drawn = Frame(
                [&]
                {
                    graphics.PrintToScreen("", 0, 0, {15, 0, 0, 0}, kWhite);
                    graphics.PrintToScreen("nan x", std::nanf(""), 0, {15, 0, 0, 0}, kWhite);
                    graphics.PrintToScreen("nan colour", 0, 0, {15, 0, 0, 0}, {1, std::nanf(""), 1, 1});
                    graphics.PrintToScreen("nan size", 0, 0, {std::nanf(""), 0, 0, 0}, kWhite);
                    graphics.PrintToScreen("fine", 0, 0, {15, 0, 0, 0}, kWhite);
                });
        });
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].text, "fine");
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
}

TEST(ScreenText, FollowsTheWindowThroughAResizeToOnePixelAndBack)
{
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    CaptureStdout([&] { graphics.Resize(1, 1); });
    auto drawn = Frame([&] { graphics.PrintToScreen("tiny", 0.0f, 0.0f, {15, 0, 0, 0}, kWhite); });
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_FLOAT_EQ(drawn[0].x, 0.5f);
    EXPECT_EQ(drawn[0].size, TextSystem::kMinSize);
    CaptureStdout([&] { graphics.Resize(1280, 720); });
    drawn = Frame([&] { graphics.PrintToScreen("back", 0.0f, 0.0f, {15, 0, 0, 0}, kWhite); });
    EXPECT_FLOAT_EQ(drawn.at(0).x, 640.0f);
    EXPECT_EQ(drawn.at(0).size, 16);
}

TEST(TextLabel, IsDrawnOverItsObjectOnlyInItsOwnersViewUnlessMeantForAll)
{
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    auto mine = Labelled({0, 0, -10, 1}, 0, "mine");
    auto theirs = Labelled({0, 0, -10, 1}, 1, "theirs");
    auto all = Labelled({0, 0, -10, 1}, 1, "all");
    all->Get<TextComponent>(ComponentType::TextComponent)->SetInAllViewports(true);
    graphics.SetPlayerViewport(0, 1);
    const auto& drawn = Frame();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].text, "mine");
    EXPECT_EQ(drawn[1].text, "all");
    EXPECT_FLOAT_EQ(drawn[0].x, 640.0f);
    EXPECT_FLOAT_EQ(drawn[0].y, 360.0f);
    EXPECT_EQ(drawn[0].viewport, 0);
    EXPECT_EQ(drawn[0].size, 32); // "Width" 30 at 1280 pixels
}

TEST(TextLabel, IsDrawnUpToTheViewsEdgeAndNotBeyondOrBehindTheCamera)
{
    auto label = Labelled({0, 0, -10, 1}, 0, "edge");
    auto* text = label->Get<TextComponent>(ComponentType::TextComponent);
    auto* transform = label->Get<Transform>(ComponentType::Transform);
    Frame();
    // Moved along x until n.x is 1, then a little further.
    const Matrix4 projection = GraphicsSystem::Instance().GetMatrix(GraphicsSystem::kProjectionMatrix);
    const float edge = 10.0f / projection(0, 0);
    transform->SetPosition({edge * 0.99999f, 0, -10, 1});
    EXPECT_TRUE(text->Update());
    EXPECT_LE(text->GetScreenX(), 1.0f);
    transform->SetPosition({edge * 1.001f, 0, -10, 1});
    EXPECT_FALSE(text->Update());
    transform->SetPosition({0, 0, 10, 1});
    EXPECT_FALSE(text->Update());
    transform->SetPosition({std::nanf(""), 0, -10, 1});
    EXPECT_FALSE(text->Update());
}

TEST(TextLabel, LeavesTheTextSystemWithItsObject)
{
    auto label = Labelled({0, 0, -10, 1}, 0, "gone");
    EXPECT_EQ(TextSystem::Instance().TextComponents().size(), 1u);
    label.reset();
    EXPECT_TRUE(TextSystem::Instance().TextComponents().empty());
    EXPECT_TRUE(Frame().empty());
}

TEST(TextLabel, HiddenOrEmptyLabelsAreNotDrawn)
{
    auto label = Labelled({0, 0, -10, 1}, 0, "hidden");
    auto* text = label->Get<TextComponent>(ComponentType::TextComponent);
    text->SetVisible(false);
    EXPECT_TRUE(Frame().empty());
    text->SetVisible(true);
    text->SetText("");
    EXPECT_TRUE(Frame().empty());
}
