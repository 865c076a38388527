#pragma once

#include "graphics/DebugShape.h"
#include "graphics/RenderPass.h"
#include "graphics/VertexBuffer.h"

#include <array>

class DebugDraw;
class Effect;
class RenderDevice;
class ResourceTables;
struct ViewState;

/// Draws the debug shapes queued this frame: lines in batches of 256 through one 512-vertex
/// buffer per set, spheres, boxes and pyramids with the "debug" effect, screen boxes with
/// "debug_cam".
class DebugLineRenderPass final : public RenderPass
{
  public:
    /// Lines drawn by one draw call.
    static constexpr uint32_t kLinesPerBatch = 256;

    DebugLineRenderPass(RenderDevice& device, ResourceTables& resources, const ViewState& view,
                        DebugDraw& world, DebugDraw& screen);

    /// Draws both sets; the list is not used.
    void DrawLate(const std::vector<MeshRenderer*>& renderers) override;
    /// Nothing: debug shapes go over the particles.
    void DrawEarly(const std::list<MeshRenderer*>& renderers) override;

  private:
    void DrawSet(DebugDraw& set, VertexBuffer& lines, const Effect& lineEffect);
    void DrawLines(const DebugDraw& set, VertexBuffer& lines, const Effect& effect);
    void DrawSolids(DebugDraw& set);
    void DrawScreenBoxes(DebugDraw& set);
    void DrawShapes(DebugDraw& set, DebugShapeKind kind, const char* meshName, float scaleFactor,
                    const Effect& effect);

    RenderDevice& m_device;
    ResourceTables& m_resources;
    const ViewState& m_view;
    DebugDraw& m_world;
    DebugDraw& m_screen;
    VertexBuffer m_worldLines;
    VertexBuffer m_screenLines;
    std::array<ColoredVertex, kLinesPerBatch * 2> m_staging{};
};
