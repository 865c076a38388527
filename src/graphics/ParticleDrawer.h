#pragma once

class Camera;
class RenderDevice;
struct ViewState;

/// What the frame asks of the particle layer, which sits above graphics: the composition root
/// hands the particle renderer to the graphics system through this.
class ParticleDrawer
{
  public:
    virtual ~ParticleDrawer() = default;
    /// The device has started: make the device objects particles are drawn with.
    virtual void CreateDeviceObjects(RenderDevice& device) = 0;
    /// Ages, moves and spawns the particles of every effect; once per updated frame, also headless.
    virtual void UpdateParticles() = 0;
    /// A frame is about to be drawn: what it shows is handed to the device once for all views.
    virtual void BeginParticleFrame(RenderDevice& device) = 0;
    /// Draws the particles `camera` sees into the current viewport, after everything opaque.
    virtual void DrawParticles(const ViewState& view, const Camera& camera) = 0;
    /// The device is about to go: every device object made with it must be released now.
    virtual void ReleaseDeviceObjects() = 0;
};
