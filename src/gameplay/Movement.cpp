#include "gameplay/Movement.h"

#include "core/Engine.h"
#include "core/TweakBar.h"
#include "gameplay/Ground.h"
#include "gameplay/ParticleCue.h"
#include "graphics/Camera.h"
#include "input/Gamepad.h"
#include "input/InputSystem.h"
#include "objects/Factory.h"
#include "objects/FieldList.h"
#include "objects/Logic.h"
#include "objects/Transform.h"
#include "physics/GroundProbe.h"
#include "physics/RigidBody.h"
#include "sound/SoundSystem.h"

#include <cmath>

namespace
{
constexpr float kForwardForce = 12.0f;
constexpr float kIdleInput = 0.01f;
constexpr float kNeighbourHitRange = 5.0f;
constexpr float kFacingRefresh = 0.3f;
// Right after a jump the spring still pushes for a frame or two; a landing is heard only after
// the ball has been up for a moment.
constexpr float kLandingAirTime = 0.25f;
constexpr int kKeyX = 'X';
const Vector4 kUp{0, 1, 0, 0};

} // namespace

void Movement::SetOwner(GameObject* owner, RigidBody* body)
{
    m_owner = owner;
    m_body = body;
}

void Movement::SetFacing(const Vector4& facing)
{
    const Vector4 flat = facing.FlatNormalized();
    // A zero or tiny direction would leave the facing unnormalised; keep the old one instead.
    if (flat.LengthSquared() > 0.5f && flat.IsFinite())
        m_facing = flat;
}

bool Movement::CameraSteers(Vector4& direction) const
{
    const auto* camera = m_owner ? m_owner->Get<Camera>(ComponentType::Camera) : nullptr;
    if (!camera || !camera->UpdatesPosition())
        return false;
    direction = camera->GetDirection().FlatNormalized();
    return direction.LengthSquared() > 0.5f;
}

float Movement::BrakeAmount(int player) const
{
    if (InputSystem::Instance().IsKeyDown(kKeyX))
        return 1.0f;
    float trigger = 0.0f;
    if (const Gamepad* pad = InputSystem::Instance().GetGamepad(player))
        if (pad->IsConnected() && pad->GetTrigger(0, trigger))
            return trigger;
    return 0.0f;
}

void Movement::Move(const Vector4& input, int player)
{
    if (!m_owner || !m_body || !input.IsFinite())
        return;
    const Vector4 velocity = m_body->GetVelocity();
    Vector4 cameraDirection;
    const bool cameraSteers = CameraSteers(cameraDirection);
    const Vector4 forward = cameraSteers ? cameraDirection : m_lastFacing;
    const Vector4 right = forward.Cross(kUp);
    const Vector4 sideForce = right * (m_body->GetVelocityCapXZ() * input.x);
    Vector4 forwardForce = forward * (input.y * kForwardForce);

    const float brake = BrakeAmount(player);
    if (brake > 0.0f)
    {
        forwardForce += m_lastFacing * -1.0f * m_body->GetVelocityCapXZ() * brake;
        // Braking stops the ball; it never drives it backwards.
        if (velocity.Dot(m_facing) > 0.0f)
            m_body->AddForce(forwardForce);
        else
            m_body->SetVelocity({0, velocity.y, 0, 0});
    }
    else
        m_body->AddForce(forwardForce);
    if (sideForce.IsFinite())
        m_body->AddForce(sideForce);

    if (input.LengthSquared() <= kIdleInput)
        return;
    Vector4 direction = velocity.FlatNormalized();
    if (direction.Dot(m_facing) < -0.9f)
        direction = (-m_facing + m_facing.Cross(kUp) * 0.1f).Normalized();
    if (cameraSteers)
        m_facing = cameraDirection;
    else
        SetFacing(m_facing * 0.9f + direction * 0.1f);
}

void Movement::ApplyJump(float force, bool inAir)
{
    const Vector4 velocity = m_body->GetVelocity();
    m_body->SetVelocity({velocity.x, 0.0f, velocity.z, 0.0f});
    m_body->AddForce({0, force, 0, 0});
    if (inAir)
    {
        const Vector4 along = velocity.FlatNormalized();
        m_body->AddForce(along * (force * 0.5f));
    }
    if (!inAir)
        ParticleCue::Play(m_owner, "jumppoof");
    SoundSystem::Instance().Play("SFX/PlayerJump");
    m_awaitingLanding = true;
    m_airTime = 0.0f;
}

void Movement::Jump(float force)
{
    if (!m_owner || !m_body)
        return;
    const float height = (Transform::PositionOf(m_owner) - m_groundPoint).LengthSquared();
    const float reach = m_spring.offset.LengthSquared();
    if (reach > height)
        ApplyJump(force, false);
    else if (m_airJumpAvailable)
    {
        ApplyJump(force, true);
        m_airJumpAvailable = false;
    }
}

void Movement::ProbeGround()
{
    const Vector4 position = Transform::PositionOf(m_owner);
    Factory& factory = Factory::Instance();
    if (m_groundObjectId != -1)
    {
        GameObject* current = factory.FindObject(static_cast<unsigned>(m_groundObjectId));
        const auto* ground = current ? current->Get<Ground>(ComponentType::Ground) : nullptr;
        for (int id : ground ? ground->Neighbours() : std::vector<int>{})
        {
            GameObject* neighbour = factory.FindObject(static_cast<unsigned>(id));
            if (!neighbour || !neighbour->GetComponent(ComponentType::Ground))
                continue;
            const std::optional<GroundHit> hit = ProbeObject(position, *neighbour);
            if (!hit)
                continue;
            if ((hit->point - position).LengthSquared() < kNeighbourHitRange)
            {
                m_groundObjectId = static_cast<int>(neighbour->GetID());
                m_groundPoint = hit->point;
                return;
            }
            break; // only the first hit among the neighbours is considered
        }
    }
    std::vector<GameObject*> grounds;
    for (Component* ground : Logic::Instance().GetGrounds())
        grounds.push_back(ground->GetOwner());
    const std::optional<GroundHit> hit = ProbeNearest(position, grounds);
    m_groundObjectId = hit ? static_cast<int>(hit->object->GetID()) : -1;
    if (hit)
        m_groundPoint = hit->point;
}

void Movement::HoverStep(float dt)
{
    const Vector4 position = Transform::PositionOf(m_owner);
    Vector4 force = m_spring.Step(dt, m_groundPoint, kUp, position);
    if (force.y > 0.0f && position.y < m_spring.target.y)
    {
        force.x = 0.0f;
        force.z = 0.0f;
        m_body->AddForce(force);
        m_airJumpAvailable = true;
        if (m_awaitingLanding && m_airTime >= kLandingAirTime)
        {
            ParticleCue::Play(m_owner, "landpoof");
            SoundSystem::Instance().Play("SFX/PlayerLand");
            m_awaitingLanding = false;
        }
    }
}

void Movement::Update()
{
    if (!m_owner || !m_body)
        return;
    const float dt = Engine::CurrentDeltaTime();
    if (m_awaitingLanding)
        m_airTime += dt;
    m_bumps.Update(*m_owner, *m_body, dt);
    ProbeGround();
    if (m_groundObjectId != -1)
        HoverStep(dt);
    m_facingTimer += dt;
    if (m_facingTimer > kFacingRefresh)
    {
        m_lastFacing = m_facing;
        m_facingTimer = 0.0f;
    }
}

const FieldSet<Movement>& Movement::Fields()
{
    static const FieldList<Movement> fields = []
    {
        FieldList<Movement> list("Mover");
        list.Add("springOffset", [](Movement& m) -> Vector4& { return m.m_spring.offset; })
            .ByPosition()
            .Panel("S_Offset", TweakType::Vector3)
            .ShownWhen(FieldScope::InstanceOnly);
        list.Add("springStiffness", [](Movement& m) -> float& { return m.m_spring.stiffness; })
            .ByPosition()
            .Panel("stiffness");
        list.Add("springDamping", [](Movement& m) -> float& { return m.m_spring.damping; })
            .ByPosition()
            .Panel("damping");
        list.Add("springMass", [](Movement& m) -> float& { return m.m_spring.mass; })
            .ByPosition()
            .Panel("mass");
        list.Add("springMassForce", [](Movement& m) -> float& { return m.m_spring.maxForce; })
            .NotRead()
            .Panel("maxForce");
        list.Add("facing", &Movement::m_facing)
            .Written(FieldScope::InstanceOnly)
            .ReadWith(
                [](Movement& m, const Vector4& facing)
                {
                    m.SetFacing(facing);
                    m.m_lastFacing = m.m_facing;
                })
            .Panel("facing", TweakType::Vector3)
            .ShownWhen(FieldScope::InstanceOnly);
        list.AddSeparator("Spring Properties");
        list.PanelOrder(
            {"facing", "S_Offset", "Spring Properties", "stiffness", "damping", "mass", "maxForce"});
        return list.Group("");
    }();
    return fields;
}
