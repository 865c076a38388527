#include "states/SplashSequence.h"

#include "core/VirtualKey.h"
#include "input/InputSystem.h"
#include "input/PadState.h"
#include "states/MenuDrawing.h"

#include <algorithm>

namespace
{
bool s_shown = false;

struct SplashPicture
{
    const char* texture;
    const char* line1;
    const char* line2;
};

// The words are drawn over the pictures, so they stay sharp at every window size.
constexpr SplashPicture kPictures[SplashSequence::kPictureCount] = {
    {"suggestionsplash", "Best played with gamepads", "up to four players on one screen"},
    {"galewright_black", "GALEWRIGHT", "presents"},
    {"norvellsplash", "a Norvell engine game", "built on the Vantora engine"},
};
} // namespace

void SplashSequence::StartUnlessShown()
{
    if (s_shown)
        return;
    s_shown = true;
    m_running = true;
    m_elapsed = 0.0f;
}

void SplashSequence::ForgetShown()
{
    s_shown = false;
}

bool SplashSequence::SkipPressed()
{
    const InputSystem& input = InputSystem::Instance();
    return input.IsKeyTriggered(VirtualKey::kEscape) || input.IsKeyTriggered(VirtualKey::kEnter) ||
           input.IsKeyTriggered(VirtualKey::kSpace) ||
           input.IsButtonTriggeredByAny(PadButton::kA | PadButton::kStart | PadButton::kBack) ||
           input.IsMouseTriggered(0) || input.IsMouseTriggered(1);
}

void SplashSequence::Update(float dt)
{
    if (!m_running)
        return;
    m_elapsed += dt;
    if (SkipPressed() || m_elapsed >= kSecondsEach * kPictureCount)
    {
        m_running = false;
        return;
    }
    Draw();
}

void SplashSequence::Draw() const
{
    const int index = std::min(static_cast<int>(m_elapsed / kSecondsEach), kPictureCount - 1);
    const float into = m_elapsed - static_cast<float>(index) * kSecondsEach;
    const float fadeIn = 1.0f - into / kFadeSeconds;
    const float fadeOut = 1.0f - (kSecondsEach - into) / kFadeSeconds;
    const SplashPicture& picture = kPictures[index];
    MenuDrawing::FullScreen(picture.texture);
    MenuDrawing::Text(picture.line1, 0.0f, -0.55f, 40.0f);
    MenuDrawing::Text(picture.line2, 0.0f, -0.72f, 22.0f, {0.75f, 0.9f, 1.0f, 1.0f});
    MenuDrawing::Darken(std::clamp(std::max(fadeIn, fadeOut), 0.0f, 1.0f), true);
}
