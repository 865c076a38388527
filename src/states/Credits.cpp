#include "states/Credits.h"

#include "states/GameStateId.h"
#include "states/MenuAction.h"
#include "states/MenuDrawing.h"
#include "states/MenuList.h"

#include <algorithm>

namespace
{
// Heading, then what stands under it: nineteen pairs.
constexpr const char* kLines[Credits::kLineCount] = {
    "Vantora",
    "an arcade racer for four elemental balls",
    "Game design",
    "The Vantora team",
    "Engine programming",
    "The Vantora team",
    "Racing, power-ups and computer racers",
    "The Vantora team",
    "Textures and pictures",
    "painted by the Vantora texture tool",
    "Tracks",
    "built by the Vantora track tool",
    "Sound effects and music",
    "made by the Vantora sound tool",
    "SDL2 and SDL2_mixer",
    "zlib licence",
    "OpenGL via libepoxy",
    "MIT licence",
    "FreeType",
    "FreeType licence (BSD style)",
    "Dear ImGui",
    "MIT licence",
    "tinyxml2",
    "zlib licence",
    "Lua 5.1",
    "MIT licence",
    "stb",
    "MIT licence or public domain",
    "GoogleTest",
    "BSD 3-clause licence",
    "Google Benchmark",
    "Apache licence 2.0",
    "League Spartan font",
    "SIL Open Font Licence 1.1",
    "FluidR3 GM sound font",
    "MIT licence",
    "Thanks for playing!",
    "See you on the track",
};
const Vector4 kHeadingColour{1, 1, 1, 1};
const Vector4 kNameColour{0.35f, 1.0f, 0.45f, 1};
} // namespace

const char* Credits::Line(int index)
{
    return index >= 0 && index < kLineCount ? kLines[index] : "";
}

void Credits::Enter()
{
    SetId(GameStateId::kCredits);
    MenuList& menu = MenuList::Instance();
    menu.Clear();
    menu.Add(MenuAction::kBack, "Back", -0.85f);
}

void Credits::DrawScreen()
{
    m_scroll += kScrollStep;
    if (m_scroll > kScrollEnd)
        m_scroll = 0.0f;
    MenuDrawing::OverlayBackdrop();
    MenuDrawing::Panel(0.5f, 0.5f, 0.75f, 1.0f);
    const float spacing = (kLastOffset - kFirstOffset) / static_cast<float>(kLineCount - 1);
    for (int i = 0; i < kLineCount; ++i)
    {
        const float y = m_scroll - (kFirstOffset + spacing * static_cast<float>(i));
        if (y < -1.1f || y > 1.1f)
            continue;
        Vector4 colour = i % 2 == 0 ? kHeadingColour : kNameColour;
        colour.w = std::clamp(y + 0.5f, 0.0f, 1.0f);
        MenuDrawing::Text(kLines[i], 0.0f, y, 15.0f, colour);
    }
}
