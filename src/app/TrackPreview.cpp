#include "app/TrackPreview.h"

#include "core/Engine.h"
#include "graphics/Camera.h"
#include "graphics/GraphicsSystem.h"
#include "objects/Factory.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "states/GameStateManager.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace
{
// Far enough behind and above the finish to look down the first stretch and over much of the
// loop, near enough that the distance fog leaves the track's colours in the picture.
constexpr float kBehind = 40.0f;
constexpr float kAbove = 50.0f;
constexpr float kLookAhead = 100.0f;
// Frames drawn before the one kept, so every object has been placed and drawn once.
constexpr int kSettleFrames = 3;

struct Finish
{
    Vector4 centre{0, 0, 0, 1};
    Vector4 forward{0, 0, 1, 0};
};

bool IsRacer(const GameObject& object)
{
    return object.GetComponent(ComponentType::Controller) != nullptr;
}

Vector4 PositionOf(const GameObject& object)
{
    const auto* transform = object.Get<Transform>(ComponentType::Transform);
    return transform ? transform->GetPosition() : Vector4{0, 0, 0, 1};
}

// The starting grid stands just past the finish line, two by two: its front row ahead of its
// back row along the track.
std::optional<Finish> FindFinish()
{
    std::vector<Vector4> grid;
    for (const auto& [id, object] : Factory::Instance().GetObjectList(0))
        if (IsRacer(*object))
            grid.push_back(PositionOf(*object));
    if (grid.size() < 4)
        return std::nullopt;
    Finish finish;
    const Vector4 front = (grid[0] + grid[1]) * 0.5f;
    const Vector4 back = (grid[2] + grid[3]) * 0.5f;
    finish.centre = (front + back) * 0.5f;
    finish.centre.w = 1.0f;
    const Vector4 along = Vector4{front.x - back.x, 0, front.z - back.z, 0};
    if (along.Length() > 0.0f)
        finish.forward = along.Normalized();
    return finish;
}

// Racers would bring their panels into the picture and the level's scripts its countdown.
void RemoveRacersAndScripts()
{
    std::vector<unsigned> doomed;
    for (const auto& [id, object] : Factory::Instance().GetObjectList(0))
        if (IsRacer(*object) || object->GetComponent(ComponentType::Script))
            doomed.push_back(id);
    for (unsigned id : doomed)
        Factory::Instance().DestroyObject(id);
}

bool PlaceCamera(const Finish& finish)
{
    GameObject* object = Factory::Instance().CreateObject("ShowCamera");
    Camera* camera = object ? object->Get<Camera>(ComponentType::Camera) : nullptr;
    auto* transform = object ? object->Get<Transform>(ComponentType::Transform) : nullptr;
    if (!camera || !transform)
        return false;
    Vector4 eye = finish.centre - finish.forward * kBehind + Vector4{0, kAbove, 0, 0};
    eye.w = 1.0f;
    transform->SetPosition(eye);
    camera->SetUpdatesPosition(false);
    camera->SetPosition(eye);
    camera->SetDirection(finish.centre + finish.forward * kLookAhead - eye);
    GraphicsSystem::Instance().SetSplitScreen(false);
    GraphicsSystem::Instance().SetActiveCamera(camera);
    return true;
}

bool RenderFrame(Engine& engine, DecodedImage& frame)
{
    for (int i = 0; i < kSettleFrames; ++i)
        if (!engine.RunFrame())
            return false;
    GraphicsSystem::Instance().RequestCapture();
    return engine.RunFrame() && GraphicsSystem::Instance().TakeCapture(frame);
}
} // namespace

bool TrackPreview::Render(Engine& engine, const std::string& track, const std::string& path)
{
    GameStateManager::Instance().RequestPush(0);
    Factory::Instance().LoadScene(track, "");
    const std::optional<Finish> finish = FindFinish();
    if (!finish)
    {
        std::printf("vantora-sim: scene '%s' has no starting grid of four racers; no preview\n",
                    track.c_str());
        return false;
    }
    RemoveRacersAndScripts();
    DecodedImage frame;
    if (!PlaceCamera(*finish) || !RenderFrame(engine, frame))
    {
        std::printf("vantora-sim: the preview of '%s' could not be drawn\n", track.c_str());
        return false;
    }
    if (!WritePngFile(path, Shrink(frame, kWidth, kHeight), 3))
    {
        std::printf("vantora-sim: cannot write preview '%s'\n", path.c_str());
        return false;
    }
    return true;
}

namespace
{
unsigned char Average(const DecodedImage& image, int x0, int x1, int y0, int y1, int channel)
{
    unsigned sum = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            sum += image.rgba[(static_cast<size_t>(y) * image.width + x) * 4 + channel];
    const unsigned count = static_cast<unsigned>((y1 - y0) * (x1 - x0));
    return static_cast<unsigned char>((sum + count / 2) / count);
}
} // namespace

DecodedImage TrackPreview::Shrink(const DecodedImage& image, int width, int height)
{
    DecodedImage out;
    if (image.IsEmpty() || width <= 0 || height <= 0)
        return out;
    out.width = width;
    out.height = height;
    out.rgba.resize(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            // The source pixels this one covers; at least one, so enlarging repeats pixels.
            const int x0 = x * image.width / width, x1 = std::max(x0 + 1, (x + 1) * image.width / width);
            const int y0 = y * image.height / height, y1 = std::max(y0 + 1, (y + 1) * image.height / height);
            for (int c = 0; c < 4; ++c)
                out.rgba[(static_cast<size_t>(y) * width + x) * 4 + c] = Average(image, x0, x1, y0, y1, c);
        }
    return out;
}
