#include "graphics/Camera.h"

#include "core/Engine.h"
#include "core/TweakBar.h"
#include "graphics/GraphicsSystem.h"
#include "input/ActionList.h"
#include "input/Gamepad.h"
#include "input/InputSystem.h"
#include "math/GameConstants.h"
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

std::unique_ptr<Component> Camera::Clone() const
{
    auto copy = std::make_unique<Camera>();
    copy->m_offset = m_offset;
    copy->m_position = m_position;
    copy->SetDirection(m_direction);
    copy->m_up = m_up.Normalized();
    copy->m_updateCamPos = m_updateCamPos;
    copy->m_followStiffness = m_followStiffness;
    copy->m_followDamping = m_followDamping;
    return copy;
}

void Camera::Deserialize(XmlFile& /*file*/, const XmlElement* element)
{
    const XmlElement* field = element ? element->FirstChildElement() : nullptr;
    Vector4 values[3] = {m_offset, m_direction, m_up};
    for (Vector4& value : values)
    {
        if (!field)
            break;
        XmlFile::ReadValue(value, field);
        field = field->NextSiblingElement();
    }
    m_offset = values[0];
    SetDirection(values[1]);
    const Vector4 up = values[2].Normalized();
    if (up.LengthSquared() > 0.5f)
        m_up = up;
    XmlFile::ReadValue(m_updateCamPos, XmlFile::FindChildElement(element, "bool", "m_updateCamPos"));
    ReadFollowSpring(element);
}

void Camera::ReadFollowSpring(const XmlElement* element)
{
    float stiffness = m_followStiffness, damping = m_followDamping;
    XmlFile::ReadValue(stiffness, XmlFile::FindChildElement(element, "float", "followStiffness"));
    XmlFile::ReadValue(damping, XmlFile::FindChildElement(element, "float", "followDamping"));
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

void Camera::Serialize(XmlFile& file, XmlElement* parent, bool /*instanceOnly*/) const
{
    XmlElement* element = file.AddChildElement(parent, GetTypeName());
    file.WriteValue(element, m_offset, "offset");
    file.WriteValue(element, m_direction, "offset");
    file.WriteValue(element, m_up, "offset");
    file.WriteValue(element, m_updateCamPos, "m_updateCamPos");
    file.WriteValue(element, m_followStiffness, "followStiffness");
    file.WriteValue(element, m_followDamping, "followDamping");
}

void Camera::AddToTweakBar(TweakBar& bar, bool /*instanceOnly*/)
{
    const std::string group = TweakBar::GroupDefinition(GetTypeName());
    bar.AddVarRW("update camera pos", TweakType::Bool, &m_updateCamPos, group);
    bar.AddVarRW("offset1", TweakType::Vector3, &m_offset, group + " label='Offset'");
    bar.AddVarRW("m_dir1", TweakType::Vector3, &m_direction, group + " label='dir'");
    bar.AddVarRW("followStiffness", TweakType::Float, &m_followStiffness, group);
    bar.AddVarRW("followDamping", TweakType::Float, &m_followDamping, group);
}

bool Camera::IsStableFollowSpring(float stiffness, float damping)
{
    // Semi-implicit Euler on x'' = -(k x + c x') / m with step h settles when both roots of
    // z^2 - (2 - a - b) z + (1 - b), a = k h^2 / m, b = c h / m, lie inside the unit circle.
    const float a = stiffness * kFollowStep * kFollowStep / kMass;
    const float b = damping * kFollowStep / kMass;
    return std::isfinite(a) && std::isfinite(b) && a > 0.0f && b > 0.0f && a + 2.0f * b < 4.0f;
}
