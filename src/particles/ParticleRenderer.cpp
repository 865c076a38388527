#include "particles/ParticleRenderer.h"

#include "core/SwapRemove.h"
#include "graphics/Camera.h"
#include "graphics/Effect.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/Material.h"
#include "graphics/ViewState.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "particles/ParticleComponent.h"

#include <cstdio>
#include <cstring>

ParticleRenderer& ParticleRenderer::Instance()
{
    static ParticleRenderer instance;
    return instance;
}

void ParticleRenderer::AddParticleComponent(ParticleComponent* component)
{
    m_components.push_back(component);
}

void ParticleRenderer::RemoveParticleComponent(ParticleComponent* component)
{
    SwapRemove(m_components, component);
    // The frame's batches may point into the component's effects.
    m_batches.clear();
}

bool ParticleRenderer::IsCulled(const ParticleEmitter& effect, const Vector4& cameraPosition,
                                const Vector4& cameraDirection)
{
    if (!effect.UsesCulling())
        return false;
    const GameObject* owner = effect.OwnerObject();
    const Transform* transform = owner ? owner->Get<Transform>(ComponentType::Transform) : nullptr;
    const Vector4 position = transform ? transform->GetPosition() : Vector4{0.0f, 0.0f, 0.0f, 1.0f};
    Vector4 toEffect = position - cameraPosition;
    toEffect.w = 0.0f;
    const Vector4 direction{cameraDirection.x, cameraDirection.y, cameraDirection.z, 0.0f};
    return direction.Dot(toEffect) < 0.0f || toEffect.Dot(toEffect) > kCullDistanceSquared;
}

// ---------------------------------------------------------------------------------------------
// The frame

void ParticleRenderer::CreateDeviceObjects(RenderDevice& device)
{
    m_device = &device;
    Reserve(m_capacity);
    std::printf("Particle System Init\n");
}

void ParticleRenderer::UpdateParticles()
{
    // Index loop: an update may not add or remove components, but a reallocation must not bite.
    for (size_t i = 0; i < m_components.size(); ++i)
        m_components[i]->Update();
}

void ParticleRenderer::BeginParticleFrame(RenderDevice& device)
{
    m_device = &device;
    const uint32_t total = CollectBatches();
    if (total == 0 || !Reserve(total))
    {
        m_batches.clear();
        return;
    }
    Upload(total);
}

uint32_t ParticleRenderer::CollectBatches()
{
    m_batches.clear();
    uint32_t total = 0;
    for (ParticleComponent* component : m_components)
        for (const std::unique_ptr<ParticleEmitter>& effect : component->Effects())
        {
            const auto count = static_cast<uint32_t>(effect->Particles().size());
            if (count == 0)
                continue;
            m_batches.push_back({effect.get(), total, count});
            total += count;
        }
    return total;
}

bool ParticleRenderer::Reserve(uint32_t count)
{
    if (!m_device)
        return false;
    if (m_buffer.IsCreated() && count <= m_capacity)
        return true;
    while (m_capacity < count)
        m_capacity *= 2;
    return m_buffer.Create(*m_device, *FindVertexLayout(kVertexTypeParticle), nullptr, m_capacity, true);
}

void ParticleRenderer::Upload(uint32_t count)
{
    auto* target = static_cast<unsigned char*>(m_buffer.MapDiscard(count));
    if (!target)
    {
        m_batches.clear();
        return;
    }
    for (const Batch& batch : m_batches)
        std::memcpy(target + size_t{batch.first} * sizeof(Particle), batch.effect->Particles().data(),
                    size_t{batch.count} * sizeof(Particle));
    m_buffer.Unmap();
}

void ParticleRenderer::DrawParticles(const ViewState& view, const Camera& camera)
{
    if (!m_device || m_batches.empty())
        return;
    const Vector4& rect = GraphicsSystem::Instance().GetViewportRect();
    // Sprites are sized against the view they are drawn in, so a quarter view shows them at the
    // same size relative to the meshes around them as the full window does.
    const int viewportHeight = static_cast<int>(rect.w - rect.y);
    for (Batch& batch : m_batches)
        if (!IsCulled(*batch.effect, camera.GetPosition(), camera.GetDirection()))
            DrawBatch(batch, view, viewportHeight);
}

void ParticleRenderer::DrawBatch(Batch& batch, const ViewState& view, int viewportHeight)
{
    const Material* material = batch.effect->GetMaterial();
    const Effect* effect = material ? material->GetEffect() : nullptr;
    if (!effect)
        return;
    material->Begin();
    // The texture is the effect's own: a material shared by several effects is not left holding
    // a property of one of them.
    batch.effect->AlbedoProperty().Apply(*effect);
    effect->SetMatrix(EffectParam::ProjMat, view.projection);
    effect->SetMatrix(EffectParam::ViewMat, view.view);
    effect->SetMatrix(EffectParam::WorldMat, Matrix4::Identity());
    effect->SetInt(EffectParam::ViewportHeight, viewportHeight);
    m_buffer.Draw(*m_device, Primitive::Points, batch.first, batch.count);
    material->End();
}

void ParticleRenderer::ReleaseDeviceObjects()
{
    m_buffer.Release();
    m_batches.clear();
    m_device = nullptr;
}
