#pragma once

#include "graphics/RenderPass.h"

class RenderDevice;
class ResourceTables;
struct ViewState;

/// Draws every visible mesh renderer with its material, its textures and its owner's world
/// matrix, in registration order. Renderers whose mesh lies wholly outside the view are passed
/// over: they would put no pixel on the screen.
class ObjectRenderPass final : public RenderPass
{
  public:
    /// `view` is read at every draw; `defaultMaterial` is the material the pass starts with.
    ObjectRenderPass(RenderDevice& device, ResourceTables& resources, const ViewState& view,
                     Material* defaultMaterial);

    /// Draws `renderers` as DrawEarly does (the system hands it an empty list).
    void DrawLate(const std::vector<MeshRenderer*>& renderers) override;
    /// Draws every renderer of the list in order.
    void DrawEarly(const std::list<MeshRenderer*>& renderers) override;
    /// Draws one renderer; skipped when invisible or without mesh, material or transform.
    void Draw(const MeshRenderer& renderer);

  private:
    /// Names and fills the shared texture properties as the material's effect expects them.
    void PrepareTextures(Material& material, const MeshRenderer& renderer);

    RenderDevice& m_device;
    ResourceTables& m_resources;
    const ViewState& m_view;
};
