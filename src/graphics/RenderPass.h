#pragma once

#include "graphics/Material_Texture.h"

#include <list>
#include <vector>

class Material;
class MeshRenderer;

/// One stage of drawing the 3D scene of a view. The graphics system runs DrawEarly of every pass,
/// then the particles, then DrawLate of every pass.
class RenderPass
{
  public:
    virtual ~RenderPass() = default;
    /// The drawing after the particles, given a list of renderers the system keeps empty.
    virtual void DrawLate(const std::vector<MeshRenderer*>& renderers) = 0;
    /// The drawing before the particles, given every registered mesh renderer.
    virtual void DrawEarly(const std::list<MeshRenderer*>& renderers) = 0;

  protected:
    /// The pass's texture properties (first, second, third), shared by the materials it draws.
    Material_Texture m_textures[3];
    /// The materials the pass was made with.
    std::vector<Material*> m_materials;
};
