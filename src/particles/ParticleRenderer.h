#pragma once

#include "graphics/ParticleDrawer.h"
#include "graphics/VertexBuffer.h"
#include "math/Vector4.h"

#include <cstdint>
#include <vector>

class ParticleComponent;
class ParticleEmitter;

/// Updates every registered particle component once per frame and draws every effect as point
/// sprites. All effects' particles go to the device in one streaming write per frame, shared by
/// every view; each effect is then one draw call of its range, with its own material and texture.
class ParticleRenderer final : public ParticleDrawer
{
  public:
    /// The single instance, created on first use.
    static ParticleRenderer& Instance();

    /// Squared distance beyond which a culled effect is not drawn (1000 units).
    static constexpr float kCullDistanceSquared = 1000000.0f;
    /// Particles the device buffer holds at first; it doubles as needed.
    static constexpr uint32_t kInitialCapacity = 128;

    /// Registers a component (from its Initialize).
    void AddParticleComponent(ParticleComponent* component);
    /// Unregisters a component; the last one takes its place.
    void RemoveParticleComponent(ParticleComponent* component);
    /// The registered components.
    const std::vector<ParticleComponent*>& Components() const { return m_components; }
    /// Particles the device buffer holds.
    uint32_t Capacity() const { return m_capacity; }

    /// Whether an effect culls itself away: behind the camera or more than 1000 units off.
    static bool IsCulled(const ParticleEmitter& effect, const Vector4& cameraPosition,
                         const Vector4& cameraDirection);

    void CreateDeviceObjects(RenderDevice& device) override;
    void UpdateParticles() override;
    void BeginParticleFrame(RenderDevice& device) override;
    void DrawParticles(const ViewState& view, const Camera& camera) override;
    void ReleaseDeviceObjects() override;

  private:
    /// One effect's range of the frame's buffer.
    struct Batch
    {
        ParticleEmitter* effect = nullptr;
        uint32_t first = 0;
        uint32_t count = 0;
    };

    ParticleRenderer() = default;
    /// Counts the frame's particles, lists the batches and grows the buffer to hold them all.
    uint32_t CollectBatches();
    bool Reserve(uint32_t count);
    void Upload(uint32_t count);
    void DrawBatch(Batch& batch, const ViewState& view, int viewportHeight);

    std::vector<ParticleComponent*> m_components;
    std::vector<Batch> m_batches;
    VertexBuffer m_buffer;
    RenderDevice* m_device = nullptr;
    uint32_t m_capacity = kInitialCapacity;
};
