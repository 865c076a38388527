#pragma once

#include "graphics/HudSprite.h"
#include "graphics/Material_Texture.h"
#include "math/Matrix4.h"

#include <string>
#include <utility>
#include <vector>

class Material;
class RenderDevice;
class ResourceTables;

/// Draws queued HUD sprites: the "cubehud.tbm" quad placed in normalised device coordinates,
/// textured with the queue's material or flat-coloured with "debug_cam".
class HudPass
{
  public:
    /// Draws with `device` and the meshes, materials and textures of `resources`.
    HudPass(RenderDevice& device, ResourceTables& resources);

    /// Draws `sprites` in order; textured ones with the material `materialName`.
    void Draw(const std::vector<HudSprite>& sprites, const std::string& materialName);

    /// Scale (2w, 2h, 0) followed by translation ((x − 0.5) × 2, (y − 0.5) × −2, −100).
    static Matrix4 SpriteWorld(const HudSprite& sprite);
    /// ("u_limit", "v_limit"): extra.y and extra.z when extra.x < −0.0001, otherwise (1, 1).
    static std::pair<float, float> SpriteLimits(const HudSprite& sprite);

  private:
    void DrawSprite(const HudSprite& sprite, Material& textured);

    RenderDevice& m_device;
    ResourceTables& m_resources;
    Material_Texture m_texture;
};
