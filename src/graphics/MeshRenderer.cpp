#include "graphics/MeshRenderer.h"

#include "graphics/GraphicsSystem.h"
#include "graphics/Mesh.h"
#include "objects/FieldList.h"

MeshRenderer::MeshRenderer() : Component(ComponentType::MeshRenderer)
{
    m_material = GraphicsSystem::Instance().GetMaterial(m_shaderName);
}

MeshRenderer::~MeshRenderer()
{
    if (m_registered)
        GraphicsSystem::Instance().RemoveMeshRenderer(this);
}

void MeshRenderer::Initialize()
{
    if (m_registered)
        return;
    GraphicsSystem::Instance().AddMeshRenderer(this);
    m_registered = true;
}

const ComponentFields* MeshRenderer::Fields() const
{
    static const ComponentFieldList<MeshRenderer> fields = []
    {
        ComponentFieldList<MeshRenderer> list(ComponentType::MeshRenderer);
        list.Add("visible", &MeshRenderer::m_visible);
        list.Add("meshName", &MeshRenderer::m_meshName)
            .Written(FieldScope::ArchetypeOnly)
            .ReadWith([](MeshRenderer& renderer, const std::string& name) { renderer.SetMeshName(name); })
            .CloneWith([](const MeshRenderer& from, MeshRenderer& to) { to.SetMeshName(from.m_meshName); })
            .WriteAs([](const MeshRenderer& renderer)
                     { return renderer.m_mesh ? renderer.m_mesh->GetName() : renderer.m_meshName; });
        list.Add("shaderName", &MeshRenderer::m_shaderName)
            .CloneWith(
                [](const MeshRenderer& from, MeshRenderer& to)
                {
                    to.m_shaderName = from.m_shaderName;
                    to.m_material = from.m_material;
                });
        list.Add("textureName", &MeshRenderer::m_textureName);
        list.Add("normalTextureName", &MeshRenderer::m_normalTextureName);
        list.Add("specTextureName", &MeshRenderer::m_specTextureName);
        list.Add("tileX", &MeshRenderer::m_tileX).Written(FieldScope::InstanceOnly);
        list.Add("tileY", &MeshRenderer::m_tileY).AfterPrevious().Written(FieldScope::InstanceOnly);
        list.InstanceWriteOrder({"visible", "textureName", "normalTextureName", "specTextureName",
                                 "shaderName", "tileX", "tileY"});
        return list.AfterRead([](MeshRenderer& renderer) { renderer.SetShaderName(renderer.m_shaderName); });
    }();
    return &fields;
}

void MeshRenderer::SetMeshName(const std::string& name)
{
    m_meshName = name;
    m_mesh = GraphicsSystem::Instance().GetMesh(name);
}

void MeshRenderer::SetShaderName(const std::string& name)
{
    m_shaderName = name;
    m_material = GraphicsSystem::Instance().GetMaterial(name);
}
