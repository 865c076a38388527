#include "graphics/DebugLineRenderPass.h"

#include "graphics/DebugDraw.h"
#include "graphics/ResourceTables.h"
#include "graphics/ViewState.h"

namespace
{
void WriteVertex(ColoredVertex& vertex, const Vector4& point, const Vector4& colour)
{
    vertex = {{point.x, point.y, point.z, 1.0f}, {colour.x, colour.y, colour.z, colour.w}};
}

const Effect* EffectOf(const ResourceTables& resources, const char* name)
{
    const Material* material = resources.GetMaterial(name);
    return material ? material->GetEffect() : nullptr;
}
} // namespace

DebugLineRenderPass::DebugLineRenderPass(RenderDevice& device, ResourceTables& resources,
                                         const ViewState& view, DebugDraw& world, DebugDraw& screen)
    : m_device(device), m_resources(resources), m_view(view), m_world(world), m_screen(screen)
{
    const VertexLayout& layout = *FindVertexLayout(kVertexTypeColored);
    m_worldLines.Create(device, layout, nullptr, kLinesPerBatch * 2, true);
    m_screenLines.Create(device, layout, nullptr, kLinesPerBatch * 2, true);
}

void DebugLineRenderPass::DrawEarly(const std::list<MeshRenderer*>& /*renderers*/) {}

void DebugLineRenderPass::DrawLate(const std::vector<MeshRenderer*>& /*renderers*/)
{
    if (const Effect* debug = EffectOf(m_resources, "debug"))
    {
        debug->SetMatrix(EffectParam::ProjMat, m_view.projection);
        debug->SetMatrix(EffectParam::ViewMat, m_view.view);
        debug->SetMatrix(EffectParam::WorldMat, Matrix4::Identity());
        DrawSet(m_world, m_worldLines, *debug);
    }
    if (const Effect* debugCam = EffectOf(m_resources, "debug_cam"))
        DrawSet(m_screen, m_screenLines, *debugCam);
}

void DebugLineRenderPass::DrawSet(DebugDraw& set, VertexBuffer& lines, const Effect& lineEffect)
{
    lineEffect.Begin();
    DrawLines(set, lines, lineEffect);
    DrawSolids(set);
    DrawScreenBoxes(set);
}

void DebugLineRenderPass::DrawLines(const DebugDraw& set, VertexBuffer& lines, const Effect& effect)
{
    const std::vector<DebugShape>& queued = set.Shapes(DebugShapeKind::Line);
    if (queued.empty())
        return;
    effect.SetInt(EffectParam::Mode, 0);
    effect.SetMatrix(EffectParam::WorldMat, Matrix4::Identity());
    uint32_t written = 0;
    for (const DebugShape& line : queued)
    {
        WriteVertex(m_staging[written++], line.position, line.colour);
        WriteVertex(m_staging[written++], line.scale, line.colour);
        if (written == m_staging.size())
        {
            lines.Update(m_staging.data(), written);
            lines.Draw(m_device, Primitive::Lines, 0, written);
            written = 0;
        }
    }
    lines.Update(m_staging.data(), written);
    lines.Draw(m_device, Primitive::Lines, 0, written);
}

void DebugLineRenderPass::DrawSolids(DebugDraw& set)
{
    const Effect* debug = EffectOf(m_resources, "debug");
    if (!debug)
        return;
    debug->Begin();
    debug->SetInt(EffectParam::Mode, 1);
    // The meshes are of unit size: a box's scale is its half size, a sphere's its radius.
    DrawShapes(set, DebugShapeKind::Sphere, "sphere.tbm", 1.0f, *debug);
    DrawShapes(set, DebugShapeKind::Box, "cube.tbm", 2.0f, *debug);
    DrawShapes(set, DebugShapeKind::Pyramid, "pyramid.tbm", 2.0f, *debug);
    debug->SetInt(EffectParam::Mode, 0);
}

void DebugLineRenderPass::DrawScreenBoxes(DebugDraw& set)
{
    const Effect* debugCam = EffectOf(m_resources, "debug_cam");
    if (!debugCam || set.Shapes(DebugShapeKind::ScreenBox).empty())
        return;
    debugCam->Begin();
    debugCam->SetInt(EffectParam::Mode, 1);
    DrawShapes(set, DebugShapeKind::ScreenBox, "cube.tbm", 1.0f, *debugCam);
    debugCam->SetInt(EffectParam::Mode, 0);
}

void DebugLineRenderPass::DrawShapes(DebugDraw& set, DebugShapeKind kind, const char* meshName,
                                     float scaleFactor, const Effect& effect)
{
    const Mesh* mesh = m_resources.GetMesh(meshName);
    const bool onScreen = kind == DebugShapeKind::ScreenBox;
    for (const DebugShape& shape : set.Shapes(kind))
    {
        if (!mesh)
            break;
        Vector4 position = shape.position;
        if (onScreen)
            position = {(shape.position.x / static_cast<float>(m_view.windowWidth) - 0.5f) * 2.0f,
                        (shape.position.y / static_cast<float>(m_view.windowHeight) - 0.5f) * -2.0f, 0.0f,
                        1.0f};
        const Matrix4 world = Matrix4::Translation(position) * Matrix4::Scale(shape.scale * scaleFactor);
        effect.SetMatrix(EffectParam::WorldMat, world);
        effect.SetVector(EffectParam::GColor, shape.colour);
        effect.SetInt(EffectParam::ZenableMode, shape.depthTest);
        mesh->Draw(m_device);
    }
    set.Clear(kind);
}
