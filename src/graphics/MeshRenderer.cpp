#include "graphics/MeshRenderer.h"

#include "graphics/GraphicsSystem.h"
#include "graphics/Mesh.h"

namespace
{
void ReadString(std::string& out, const XmlElement* element, const char* name)
{
    XmlFile::ReadValue(out, XmlFile::FindChildElement(element, "string", name));
}
} // namespace

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

std::unique_ptr<Component> MeshRenderer::Clone() const
{
    auto copy = std::make_unique<MeshRenderer>();
    copy->SetMeshName(m_meshName);
    copy->m_textureName = m_textureName;
    copy->m_normalTextureName = m_normalTextureName;
    copy->m_specTextureName = m_specTextureName;
    copy->m_tileX = m_tileX;
    copy->m_tileY = m_tileY;
    copy->m_shaderName = m_shaderName;
    copy->m_material = m_material;
    copy->m_visible = m_visible;
    return copy;
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

void MeshRenderer::Deserialize(XmlFile& /*file*/, const XmlElement* element)
{
    if (const XmlElement* mesh = XmlFile::FindChildElement(element, "string", "meshName"))
    {
        XmlFile::ReadValue(m_meshName, mesh);
        SetMeshName(m_meshName);
    }
    ReadString(m_shaderName, element, "shaderName");
    ReadString(m_textureName, element, "textureName");
    ReadString(m_normalTextureName, element, "normalTextureName");
    ReadString(m_specTextureName, element, "specTextureName");
    if (const XmlElement* tileX = XmlFile::FindChildElement(element, "float", "tileX"))
    {
        XmlFile::ReadValue(m_tileX, tileX);
        XmlFile::ReadValue(m_tileY, tileX->NextSiblingElement());
    }
    XmlFile::ReadValue(m_visible, XmlFile::FindChildElement(element, "bool", "visible"));
    SetShaderName(m_shaderName);
}

void MeshRenderer::Serialize(XmlFile& file, XmlElement* parent, bool instanceOnly) const
{
    XmlElement* element = file.AddChildElement(parent, GetTypeName());
    file.WriteValue(element, m_visible, "visible");
    if (instanceOnly)
    {
        file.WriteValue(element, m_textureName, "textureName");
        file.WriteValue(element, m_normalTextureName, "normalTextureName");
        file.WriteValue(element, m_specTextureName, "specTextureName");
        file.WriteValue(element, m_shaderName, "shaderName");
        file.WriteValue(element, m_tileX, "tileX");
        file.WriteValue(element, m_tileY, "tileY");
        return;
    }
    file.WriteValue(element, m_mesh ? m_mesh->GetName() : m_meshName, "meshName");
    file.WriteValue(element, m_shaderName, "shaderName");
    file.WriteValue(element, m_textureName, "textureName");
    file.WriteValue(element, m_normalTextureName, "normalTextureName");
    file.WriteValue(element, m_specTextureName, "specTextureName");
}
