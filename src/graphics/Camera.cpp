#include "graphics/Camera.h"

#include "core/Engine.h"
#include "core/TweakBar.h"
#include "graphics/GraphicsSystem.h"
#include "input/ActionList.h"
#include "input/Gamepad.h"
#include "input/InputSystem.h"
#include "math/GameConstants.h"
#include "objects/FieldList.h"
#include "objects/GameObject.h"
#include "objects/PlayerControl.h"
#include "objects/Transform.h"
#include "physics/RigidBody.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{
constexpr float kFollowStep = 0.016f;
constexpr float kMass = 20.0f;
constexpr float kTransitionRate = 3.0f;
const Vector4 kUp{0, 1, 0, 0};

Vector4 Stick(int player, int which)
{
    const Gamepad* pad = InputSystem::Instance().GetGamepad(player);
    return pad && pad->IsConnected() ? pad->GetStick(which) : Vector4{};
}
} // namespace

Camera::Camera() : Component(ComponentType::Camera) {}

Camera::~Camera()
{
    if (m_registered)
        GraphicsSystem::Instance().RemoveCamera(this);
}

void Camera::Initialize()
{
    GraphicsSystem::Instance().AddCamera(this);
    m_registered = true;
}

void Camera::SetPosition(const Vector4& position)
{
    if (position.IsFinite())
        m_position = {position.x, position.y, position.z, 1.0f};
}

void Camera::SetDirection(const Vector4& direction)
{
    const Vector4 unit = Vector4{direction.x, direction.y, direction.z, 0}.Normalized();
    if (unit.IsFinite() && unit.LengthSquared() > 0.5f)
        m_direction = unit;
}

void Camera::SetTransition(bool on, const Vector4& target)
{
    m_transition = on ? 1u : 0u;
    m_transitionTarget = target;
}

int Camera::Player() const
{
    const PlayerControl* controller = PlayerControl::Of(GetOwner());
    return controller ? controller->GetPlayerIndex() : -1;
}

bool Camera::Update()
{
    GameObject* owner = GetOwner();
    const float dt = Engine::CurrentDeltaTime();
    if (!m_updateCamPos)
    {
        if (const auto* transform = owner ? owner->Get<Transform>(ComponentType::Transform) : nullptr)
            SetPosition(transform->GetPosition());
        return true;
    }
    if (m_transition != 0)
        Transition(dt);
    else if (owner && owner->GetComponent(ComponentType::Transform))
    {
        if (m_orbitMode)
            Orbit();
        else
            Follow(dt);
    }
    SetPosition(m_position + m_shaker.Step(dt));
    return true;
}

void Camera::Follow(float /*dt*/)
{
    GameObject& owner = *GetOwner();
    const Vector4 ball = owner.Get<Transform>(ComponentType::Transform)->GetPosition();
    const PlayerControl* controller = PlayerControl::Of(&owner);
    const int player = Player();
    Vector4 facing = controller ? controller->GetFacing() : Vector4{0, 0, -1, 0};
    const bool wasLookingBack = m_lookBack;
    m_lookBack =
        player >= 0 && ActionList::Instance().IsPressed(player, static_cast<int>(Action::CameraFlip));
    if (!m_lookBack)
        facing = -facing; // the camera sits behind the ball
    const float steer = m_lookBack ? 0.0f : Stick(player, 0).x;
    const auto* body = owner.Get<RigidBody>(ComponentType::RigidBody);
    const Vector4 velocity = body ? body->GetVelocity() : Vector4{};
    const float cap = body ? body->GetVelocityCapXZ() : 0.0f;

    Vector4 target = ball + facing * m_offset.z;
    if (ball.y > m_position.y)
        target.y = ball.y;
    float speedRatio = cap > 0.0f ? velocity.LengthSquared() / (cap * cap) : 0.0f;
    if (!std::isfinite(speedRatio))
        speedRatio = 0.0f;
    target.y += m_offset.y * (1.0f + 1.5f * speedRatio);
    target += (-facing).Cross(kUp).Normalized() * (m_offset.x * steer);
    target.w = 1.0f;

    if (!m_lookBack && !wasLookingBack && !m_snap)
    {
        const Vector4 displacement = m_position - target;
        const Vector4 acceleration =
            (displacement * -m_followStiffness - m_springVelocity * m_followDamping) / kMass;
        m_springVelocity += acceleration * kFollowStep;
        m_springVelocity.w = 0.0f;
        SetPosition(m_position + m_springVelocity * kFollowStep);
    }
    else
    {
        SetPosition(target);
        m_snap = false;
    }
    SetDirection(ball - facing * m_offset.z - m_position);
}

void Camera::Orbit()
{
    const Vector4 ball = GetOwner()->Get<Transform>(ComponentType::Transform)->GetPosition();
    const Vector4 stick = Stick(Player(), 1);
    m_orbitYaw -= m_orbitSensitivity * stick.x;
    m_orbitPitch = std::clamp(m_orbitPitch - m_orbitSensitivity * stick.y, -89.0f, 0.0f);
    const Quaternion yaw = Quaternion::FromAxisAngle(kUp, m_orbitYaw * kDegreesToRadians);
    const Quaternion pitch = Quaternion::FromAxisAngle({1, 0, 0, 0}, m_orbitPitch * kDegreesToRadians);
    SetPosition(ball + (yaw * pitch).Rotate({0, 0, 2.0f * m_offset.z, 0}));
    SetDirection(ball - m_position);
}

void Camera::Transition(float dt)
{
    // Eases towards the target: a fixed fraction of the remaining way per second.
    const float t = std::clamp(dt * kTransitionRate, 0.0f, 1.0f);
    SetPosition(m_position + (m_transitionTarget - m_position) * t);
    SetDirection(m_transitionTarget - m_position);
    m_up = kUp;
}

const ComponentFields* Camera::Fields() const
{
    static const ComponentFieldList<Camera> fields = []
    {
        ComponentFieldList<Camera> list(ComponentType::Camera);
        list.Add("offset", &Camera::m_offset)
            .ByPosition()
            .Panel("offset1", TweakType::Vector3, " label='Offset'");
        // The file names all three vectors "offset"; only their places tell them apart.
        list.Add("offset", &Camera::m_direction)
            .ByPosition()
            .ReadWith([](Camera& camera, const Vector4& direction) { camera.SetDirection(direction); })
            .ApplyEvenWhenMissing()
            .CloneWith([](const Camera& from, Camera& to) { to.SetDirection(from.m_direction); })
            .Panel("m_dir1", TweakType::Vector3, " label='dir'");
        list.Add("offset", &Camera::m_up)
            .ByPosition()
            .ReadWith(
                [](Camera& camera, const Vector4& up)
                {
                    const Vector4 unit = up.Normalized();
                    if (unit.LengthSquared() > 0.5f)
                        camera.m_up = unit;
                })
            .ApplyEvenWhenMissing()
            .CloneWith([](const Camera& from, Camera& to) { to.m_up = from.m_up.Normalized(); });
        list.Add("position", &Camera::m_position).NotInFiles();
        list.Add("m_updateCamPos", &Camera::m_updateCamPos).Panel("update camera pos");
        // The pair is checked together once both are read, so each is only noted on the way.
        list.Add("followStiffness", &Camera::m_followStiffness)
            .ReadWith([](Camera& camera, const float& stiffness) { camera.m_readStiffness = stiffness; })
            .ApplyEvenWhenMissing()
            .Panel("followStiffness");
        list.Add("followDamping", &Camera::m_followDamping)
            .ReadWith([](Camera& camera, const float& damping) { camera.m_readDamping = damping; })
            .ApplyEvenWhenMissing()
            .Panel("followDamping");
        list.AfterRead([](Camera& camera)
                       { camera.SetFollowSpring(camera.m_readStiffness, camera.m_readDamping); });
        list.PanelOrder({"update camera pos", "offset1", "m_dir1", "followStiffness", "followDamping"});
        return list;
    }();
    return &fields;
}

void Camera::SetFollowSpring(float stiffness, float damping)
{
    // The spring is stepped explicitly at a fixed 0.016 s: past the bound every step overshoots
    // further and throws the camera away, so such values keep the ones it has.
    if (IsStableFollowSpring(stiffness, damping))
    {
        m_followStiffness = stiffness;
        m_followDamping = damping;
    }
    else
        std::printf("Camera: follow spring %g / %g would not settle; keeping %g / %g\n", stiffness, damping,
                    m_followStiffness, m_followDamping);
}

bool Camera::IsStableFollowSpring(float stiffness, float damping)
{
    // Semi-implicit Euler on x'' = -(k x + c x') / m with step h settles when both roots of
    // z^2 - (2 - a - b) z + (1 - b), a = k h^2 / m, b = c h / m, lie inside the unit circle.
    const float a = stiffness * kFollowStep * kFollowStep / kMass;
    const float b = damping * kFollowStep / kMass;
    return std::isfinite(a) && std::isfinite(b) && a > 0.0f && b > 0.0f && a + 2.0f * b < 4.0f;
}
