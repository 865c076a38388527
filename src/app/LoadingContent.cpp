#include "app/LoadingContent.h"

#include "graphics/Camera.h"
#include "graphics/GraphicsSystem.h"
#include "objects/Factory.h"
#include "objects/Logic.h"

void LoadingContent::LoadLoadingScreenTextures()
{
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    graphics.LoadTextureNames();
    for (const char* texture : {"default.png", "water_icon.png", "fire.png"})
        graphics.LoadTexture(texture);
}

void LoadingContent::BeginLoading()
{
    Factory::Instance().LoadScene("loading", "");
    GameObject* cameraObject = Logic::Instance().GetObjectByTag(ObjectTag::CameraObj);
    Component* camera = cameraObject ? cameraObject->GetComponent(ComponentType::Camera) : nullptr;
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    graphics.SetActiveCamera(static_cast<Camera*>(camera));
    graphics.QueueAllTextures();
}

void LoadingContent::LoadInBackground()
{
    GraphicsSystem::Instance().DecodeAllTextures();
}

void LoadingContent::DrawLoadingFrame(const std::string& caption)
{
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    graphics.PrintToScreen(caption, 0.0f, -0.9f, {30, 0, 0, 0}, {1, 1, 1, 1});
    graphics.PreUpdate();
    graphics.Update();
    graphics.PostUpdate();
    graphics.UploadDecodedTextures();
}

void LoadingContent::EndLoading()
{
    GraphicsSystem::Instance().UploadDecodedTextures();
    Factory::Instance().DestroyList(0);
}
