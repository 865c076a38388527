#include "physics/Spin.h"

#include "math/GameConstants.h"
#include "objects/FieldList.h"
#include "objects/GameObject.h"
#include "objects/PlayerControl.h"
#include "objects/Transform.h"
#include "physics/PhysicsSystem.h"
#include "physics/RigidBody.h"

#include <algorithm>
#include <cmath>

Spin::~Spin()
{
    if (m_registered)
        PhysicsSystem::Instance().RemoveSpin(this);
}

void Spin::Initialize()
{
    PhysicsSystem::Instance().AddSpin(this);
    m_registered = true;
}

bool Spin::Update()
{
    GameObject* owner = GetOwner();
    const auto* body = owner ? owner->Get<RigidBody>(ComponentType::RigidBody) : nullptr;
    auto* transform = owner ? owner->Get<Transform>(ComponentType::Transform) : nullptr;
    if (!body || !transform)
        return true;
    const Vector4 velocity = body->GetVelocity();
    const PlayerControl* controller = PlayerControl::Of(owner);
    const Vector4 facing = controller ? controller->GetFacing() : Vector4{};
    const Vector4 axis = Vector4{0, 1, 0, 0}.Cross(facing).Normalized();
    const float radians = m_angle * kDegreesToRadians;
    Quaternion q = Quaternion::FromAxisAngle(axis, radians);
    const float lengthSquared = q.x * q.x + q.y * q.y + q.z * q.z + q.w * q.w;
    if (lengthSquared >= kEpsilon && std::fabs(lengthSquared - 1.0f) >= kEpsilon)
        q = q.Normalized();
    transform->SetRotation(q);
    const float step = std::min(0.1f * velocity.LengthSquared(), body->GetVelocityCapXZ());
    if (std::isfinite(step))
        m_angle += step;
    if (m_angle > 360.0f)
        m_angle = 0.0f;
    return true;
}

const ComponentFields* Spin::Fields() const
{
    static const ComponentFieldList<Spin> fields = []
    {
        ComponentFieldList<Spin> list(ComponentType::Spin);
        list.Add("angle", &Spin::m_angle).NotInFiles().NotCloned();
        return list;
    }();
    return &fields;
}
