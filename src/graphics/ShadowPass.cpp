#include "graphics/ShadowPass.h"

#include "graphics/EffectParam.h"
#include "graphics/Material.h"
#include "graphics/ResourceTables.h"
#include "graphics/ViewMatrices.h"
#include "graphics/ViewState.h"
#include "objects/GameObject.h"
#include "objects/Logic.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "physics/GroundProbe.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr float kDarkest = 0.75f;
// Height of the ball's underside above the ground at which its shadow has faded out.
constexpr float kFadeHeight = 8.0f;
constexpr float kFaintest = 0.02f;
// The blob is a little wider than the ball on the ground and spreads as the ball rises.
constexpr float kSpread = 1.5f;
constexpr float kSpreadPerUnit = 0.08f;
// Lifted off the ground so it never fights with the boards for depth, even far away.
constexpr float kLift = 0.06f;
const Vector4 kUp{0, 1, 0, 0};

// The up direction of the ground piece that was hit, so the blob lies flat on banked boards.
Vector4 GroundUp(const GameObject& ground, const Vector4& point)
{
    const auto* transform = ground.Get<Transform>(ComponentType::Transform);
    const auto* collider = ground.Get<Collider>(ComponentType::Collider);
    if (!transform || !collider)
        return kUp;
    Vector4 up = kUp;
    if (collider->GetVolumeType() == VolumeType::Obb)
        up = transform->GetRotation().Rotate(kUp);
    else if (collider->GetVolumeType() == VolumeType::Sphere)
        up = (point - transform->GetPosition()).Normalized();
    up.w = 0.0f;
    return up.IsFinite() && up.y > 0.1f ? up.Normalized() : kUp;
}

// The turn that takes +y onto `up`.
Quaternion TurnUpTo(const Vector4& up)
{
    const Vector4 axis = kUp.Cross(up);
    const float sine = axis.Length();
    if (sine < 1e-5f)
        return {};
    return Quaternion::FromAxisAngle(axis / sine, std::atan2(sine, kUp.Dot(up)));
}
} // namespace

ShadowPass::ShadowPass(RenderDevice& device, ResourceTables& resources, const ViewState& view)
    : m_device(device), m_resources(resources), m_view(view)
{
    m_texture.SetName(EffectParam::Tex0);
}

std::optional<BlobShadow> ShadowPass::ShadowOn(const Vector4& ball, float radius, const Vector4& groundPoint,
                                               const Vector4& groundUp)
{
    const float height = std::max((ball - groundPoint).Dot(groundUp) - radius, 0.0f);
    const float opacity = kDarkest * (1.0f - std::min(height / kFadeHeight, 1.0f));
    if (!std::isfinite(opacity) || opacity < kFaintest || radius <= 0.0f)
        return std::nullopt;
    const float size = 2.0f * radius * kSpread * (1.0f + kSpreadPerUnit * height);
    // Cast along the sunlight onto the ground's plane, as the lit side of the ball shows it, so
    // the blob peeks out from under the ball towards the camera behind it.
    const Vector4 sun = ViewMatrices::kSunDirection.Normalized();
    const float sunUp = sun.Dot(groundUp);
    const Vector4 along = sun - groundUp * sunUp;
    const Vector4 shift = sunUp > 0.1f ? along * (-(ball - groundPoint).Dot(groundUp) / sunUp) : Vector4{};
    Vector4 at = groundPoint + shift + groundUp * kLift;
    at.w = 1.0f;
    const Matrix4 world = Matrix4::Translation(at) * Matrix4::Rotation(TurnUpTo(groundUp)) *
                          Matrix4::Scale({size, 1.0f, size, 1.0f});
    return BlobShadow{world, opacity};
}

void ShadowPass::Place()
{
    m_shadows.clear();
    std::vector<GameObject*> grounds;
    for (Component* ground : Logic::Instance().GetGrounds())
        grounds.push_back(ground->GetOwner());
    for (Component* controller : Logic::Instance().Controllers())
    {
        const GameObject* ball = controller->GetOwner();
        const auto* transform = ball ? ball->Get<Transform>(ComponentType::Transform) : nullptr;
        if (!transform)
            continue;
        const std::optional<GroundHit> hit = ProbeNearest(transform->GetPosition(), grounds);
        if (!hit)
            continue;
        if (const std::optional<BlobShadow> shadow =
                ShadowOn(transform->GetPosition(), transform->GetScale().x, hit->point,
                         GroundUp(*hit->object, hit->point)))
            m_shadows.push_back(*shadow);
    }
}

void ShadowPass::Draw()
{
    Material* material = m_resources.GetMaterial("shadow");
    const Effect* effect = material ? material->GetEffect() : nullptr;
    const Mesh* quad = m_resources.GetMesh("floorquad.tbm");
    if (m_shadows.empty() || !effect || !quad || quad->IsEmpty())
        return;
    m_texture.SetTexture(m_resources.GetTexture("ball_shadow"));
    material->AddProperty(&m_texture);
    material->Begin();
    effect->SetMatrix(EffectParam::ProjMat, m_view.projection);
    effect->SetMatrix(EffectParam::ViewMat, m_view.view);
    for (const BlobShadow& shadow : m_shadows)
    {
        effect->SetMatrix(EffectParam::WorldMat, shadow.world);
        effect->SetVector(EffectParam::GColor, {0.0f, 0.0f, 0.0f, shadow.opacity});
        quad->Draw(m_device);
    }
    material->End();
}
