#pragma once

#include "graphics/Material_Texture.h"
#include "math/Matrix4.h"
#include "math/Vector4.h"

#include <optional>
#include <vector>

class RenderDevice;
class ResourceTables;
struct ViewState;

/// Where one ball's shadow lies and how dark it is.
struct BlobShadow
{
    Matrix4 world;        ///< places "floorquad.tbm" flat on the ground under the ball
    float opacity = 0.0f; ///< handed to the effect as gColor.a
};

/// Soft round shadows that tie the racers to the ground. Once a frame every racer's ball casts a
/// ray straight down onto the ground pieces; a quad laid on the hit, flat on that piece, is drawn
/// in every view after the scene with the "shadow" effect and the "ball_shadow" texture, paler and
/// wider the higher the ball. Without that effect, texture or quad no shadow is drawn.
class ShadowPass
{
  public:
    /// Draws with `device`, the resources of `resources` and the matrices of `view`.
    ShadowPass(RenderDevice& device, ResourceTables& resources, const ViewState& view);
    /// Finds where each racer's shadow falls this frame.
    void Place();
    /// Draws the shadows placed this frame into the view being drawn.
    void Draw();
    /// The shadows placed this frame.
    const std::vector<BlobShadow>& Shadows() const { return m_shadows; }
    /// The shadow of a ball of `radius` centred at `ball` on ground through `groundPoint` facing
    /// `groundUp`; nothing once the ball is high enough for it to have faded out.
    static std::optional<BlobShadow> ShadowOn(const Vector4& ball, float radius, const Vector4& groundPoint,
                                              const Vector4& groundUp);

  private:
    RenderDevice& m_device;
    ResourceTables& m_resources;
    const ViewState& m_view;
    Material_Texture m_texture;
    std::vector<BlobShadow> m_shadows;
};
