#include "states/MenuDrawing.h"

#include "graphics/GraphicsSystem.h"
#include "states/GameStateManager.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace
{
constexpr float kOverlayShade = 0.5f;
const Vector4 kTitleSize{60, 100, 0, 0};

std::set<std::string>& Reported()
{
    static std::set<std::string> reported;
    return reported;
}
} // namespace

bool MenuDrawing::HasPicture(const std::string& texture)
{
    const std::vector<std::string>& names = GraphicsSystem::Instance().TextureNames();
    if (std::find(names.begin(), names.end(), texture) != names.end())
        return true;
    if (Reported().insert(texture).second)
        std::printf("Menu picture '%s' is missing from res/textures; it is left out\n", texture.c_str());
    return false;
}

void MenuDrawing::ForgetReports()
{
    Reported().clear();
}

void MenuDrawing::Picture(const std::string& texture, float x, float y, float w, float h)
{
    if (HasPicture(texture))
        GraphicsSystem::Instance().DrawHud(x, y, w, h, texture, {1, 1, 1, 1}, false, false);
}

void MenuDrawing::FullScreen(const std::string& texture)
{
    Picture(texture, 0.5f, 0.5f, 1.0f, 1.0f);
}

void MenuDrawing::Darken(float alpha, bool onTop)
{
    GraphicsSystem::Instance().DrawHud(0.5f, 0.5f, 1.0f, 1.0f, "", {0, 0, 0, alpha}, onTop, false);
}

void MenuDrawing::Text(const std::string& text, float x, float y, float size, const Vector4& colour)
{
    GraphicsSystem::Instance().PrintToScreen(text, x, y, {size, size * 1.5f, 0, 0}, colour);
}

void MenuDrawing::Title(const std::string& text, float y)
{
    GraphicsSystem::Instance().PrintToScreen(text, 0.0f, y, kTitleSize, {1, 1, 1, 1});
}

void MenuDrawing::OverlayBackdrop()
{
    if (GameStateManager::Instance().IsPaused())
        Darken(kOverlayShade, false);
    else
        FullScreen("mainmenu");
}

void MenuDrawing::Panel(float x, float y, float w, float h)
{
    Picture("mainmenu_background", x, y, w, h);
}
