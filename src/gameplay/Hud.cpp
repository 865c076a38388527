#include "gameplay/Hud.h"

#include "core/Engine.h"
#include "core/TweakBar.h"
#include "gameplay/CheckPointSystem.h"
#include "gameplay/Controller.h"
#include "gameplay/Label.h"
#include "gameplay/RaceRanking.h"
#include "graphics/GraphicsSystem.h"
#include "objects/FieldList.h"
#include "objects/GameObject.h"

#include <cmath>
#include <cstdio>

namespace
{
struct HudLayout
{
    float lapX, lapY, finalX, finalY, placeX, placeY;
};

constexpr HudLayout kLayouts[4] = {
    {-0.838f, 0.9f, -0.838f, 0.8f, -0.08f, 0.9f},
    {0.15f, 0.9f, 0.15f, 0.8f, 0.91f, 0.9f},
    {-0.838f, -0.08f, -0.838f, -0.18f, -0.08f, -0.08f},
    {0.15f, -0.08f, 0.15f, -0.18f, 0.91f, -0.08f},
};
const Vector4 kTextSize{15, 25, 0, 0};
// The place is what a racer glances at most: twice the size of the other texts.
const Vector4 kPlaceSize{30, 50, 0, 0};
// The race clock sits small under the place.
const Vector4 kClockSize{11, 18, 0, 0};
constexpr float kClockBelowPlace = 0.13f;
const Vector4 kWhite{1, 1, 1, 1};
const Vector4 kGold{1, 0.84f, 0, 1};
} // namespace

Hud::~Hud()
{
    if (m_registered)
        GraphicsSystem::Instance().RemoveHud(this);
}

void Hud::Initialize()
{
    GraphicsSystem::Instance().AddHud(this);
    m_registered = true;
    SetPlace(4);
    m_totalLaps = CheckPointSystem::Instance().GetLapsToRun();
    RebuildLapText();
}

void Hud::RebuildLapText()
{
    m_lapText = "Laps: " + std::to_string(m_lap) + " / " + std::to_string(m_totalLaps);
}

void Hud::LapCompleted()
{
    if (m_lap < m_totalLaps)
    {
        ++m_lap;
        RebuildLapText();
    }
}

void Hud::SetTotalLaps(int laps)
{
    m_totalLaps = laps;
    RebuildLapText();
}

void Hud::SetPlace(int place)
{
    m_placeText = std::to_string(place) + PlaceSuffix(place);
}

int Hud::Player() const
{
    const auto* controller = GetOwner() ? GetOwner()->Get<Controller>(ComponentType::Controller) : nullptr;
    return controller ? controller->GetPlayerIndex() : -1;
}

std::string Hud::FormatClock(float seconds)
{
    if (!std::isfinite(seconds) || seconds < 0.0f)
        seconds = 0.0f;
    const int tenths = static_cast<int>(std::min(seconds, 5999.9f) * 10.0f);
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d.%d", tenths / 600, tenths / 10 % 60, tenths % 10);
    return text;
}

void Hud::RunClock()
{
    // The clock starts when the racer is let go at "GO!", not while it is held on the grid.
    const auto* controller = GetOwner() ? GetOwner()->Get<Controller>(ComponentType::Controller) : nullptr;
    if (controller && controller->GetPlayerState() != Controller::kHeld)
        m_raceSeconds += Engine::CurrentDeltaTime();
}

bool Hud::Update()
{
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    const CheckPointSystem& race = CheckPointSystem::Instance();
    const int player = Player();
    if (!graphics.IsSplitScreen() || race.IsRaceOver() || player < 0 || player > 3 ||
        race.GetFinishPlace(player) != -1)
        return false;
    RunClock();
    const HudLayout& at = kLayouts[player];
    graphics.PrintToScreen(m_lapText, at.lapX, at.lapY, kTextSize, kWhite);
    if (m_lap == m_totalLaps)
        graphics.PrintToScreen("Final Lap", at.finalX, at.finalY, kTextSize, kGold);
    graphics.PrintToScreen(m_placeText, at.placeX, at.placeY, kPlaceSize, kWhite);
    graphics.PrintToScreen(FormatClock(m_raceSeconds), at.placeX, at.placeY - kClockBelowPlace, kClockSize,
                           kWhite);
    return true;
}

const ComponentFields* Hud::Fields() const
{
    static const ComponentFieldList<Hud> fields = []
    {
        ComponentFieldList<Hud> list(ComponentType::Hud);
        list.Add("offset", &Hud::m_offset).Panel("offset", TweakType::Vector3);
        return list;
    }();
    return &fields;
}
