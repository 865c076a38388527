#include "graphics/ObjectRenderPass.h"

#include "graphics/EffectEntry.h"
#include "graphics/MeshRenderer.h"
#include "graphics/ResourceTables.h"
#include "graphics/ViewMatrices.h"
#include "graphics/ViewState.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"

ObjectRenderPass::ObjectRenderPass(RenderDevice& device, ResourceTables& resources, const ViewState& view,
                                   Material* defaultMaterial)
    : m_device(device), m_resources(resources), m_view(view)
{
    if (defaultMaterial)
        m_materials.push_back(defaultMaterial);
}

void ObjectRenderPass::DrawLate(const std::vector<MeshRenderer*>& renderers)
{
    for (const MeshRenderer* renderer : renderers)
        Draw(*renderer);
}

void ObjectRenderPass::DrawEarly(const std::list<MeshRenderer*>& renderers)
{
    for (const MeshRenderer* renderer : renderers)
        Draw(*renderer);
}

void ObjectRenderPass::PrepareTextures(Material& material, const MeshRenderer& renderer)
{
    const Texture* diffuse = m_resources.GetTexture(renderer.GetTextureName());
    // Every material gets the diffuse texture as "tex0", whatever its effect; the properties are
    // shared, so the name is set again for each object.
    m_textures[0].SetName(EffectParam::Tex0);
    m_textures[0].SetTexture(diffuse);
    material.AddProperty(&m_textures[0]);
    if (material.GetEffectEntry()->kind != EffectKind::NormalMap)
        return;
    m_textures[0].SetName(EffectParam::DiffuseTexture);
    m_textures[1].SetName(EffectParam::NormalTexture);
    m_textures[1].SetTexture(m_resources.GetTexture(renderer.GetNormalTextureName()));
    material.AddProperty(&m_textures[1]);
    m_textures[2].SetName(EffectParam::Specular);
    m_textures[2].SetTexture(m_resources.GetTexture(renderer.GetSpecTextureName()));
    material.AddProperty(&m_textures[2]);
}

void ObjectRenderPass::Draw(const MeshRenderer& renderer)
{
    if (!renderer.IsVisible())
        return;
    Material* material = renderer.GetMaterial();
    const Mesh* mesh = renderer.GetMesh();
    const Effect* effect = material ? material->GetEffect() : nullptr;
    const GameObject* owner = renderer.GetOwner();
    const Transform* transform = owner ? owner->Get<Transform>(ComponentType::Transform) : nullptr;
    if (!effect || !mesh || mesh->IsEmpty() || !transform)
        return;
    const Matrix4 world = transform->GetWorldMatrix();
    if (!ViewMatrices::MayBeVisible(m_view.frustum, world, mesh->GetBounds()))
        return;
    PrepareTextures(*material, renderer);
    effect->SetMatrix(EffectParam::ProjMat, m_view.projection);
    effect->SetMatrix(EffectParam::ViewMat, m_view.view);
    effect->SetFloat(EffectParam::TileAmountX, renderer.GetTileX());
    effect->SetFloat(EffectParam::TileAmountY, renderer.GetTileY());
    effect->SetVector(EffectParam::LightDir, m_view.lightDirection);
    material->Begin();
    effect->SetMatrix(EffectParam::WorldMat, world);
    effect->SetVector(EffectParam::CamSpacePos, m_view.cameraPosition);
    mesh->Draw(m_device);
    material->End();
}
