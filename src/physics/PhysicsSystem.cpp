#include "physics/PhysicsSystem.h"

#include "core/Engine.h"
#include "core/SwapRemove.h"
#include "objects/GameObject.h"
#include "objects/Logic.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "physics/CollisionTable.h"
#include "physics/ContactResolver.h"
#include "physics/EulerIntegrator.h"
#include "physics/PhysicsDebugDraw.h"
#include "physics/RigidBody.h"

#include <algorithm>
#include <cassert>

namespace
{
constexpr const char* kVolumeTypeNames[kVolumeTypeCount] = {"BVT_AABB", "BVT_SPHERE", "BVT_OBB"};
// "Invalid_Bit" closes the table but is no category: no file or script can name it.
constexpr const char* kCategoryNames[kCollisionCategoryCount + 1] = {
    "None",          "P1",           "P2",          "P3",           "P4",
    "FirePowerUp",   "WaterPowerUp", "WindPowerUp", "EarthPowerUp", "ArmageddonPowerUp",
    "NapalmPowerUp", "CheckPoint",   "RaceNode",    "All",          "Invalid_Bit"};

constexpr Vector4 kColliderColour{0, 1, 0, 1};
constexpr Vector4 kContactColour{1, 1, 0, 1};
constexpr float kContactPointRadius = 0.1f;

Transform* TransformOf(const Component& component)
{
    const GameObject* owner = component.GetOwner();
    return owner ? owner->Get<Transform>(ComponentType::Transform) : nullptr;
}

const std::string& NameOr(const std::unordered_map<int, std::string>& names, int number)
{
    static const std::string none;
    auto found = names.find(number);
    return found == names.end() ? none : found->second;
}
} // namespace

PhysicsSystem::PhysicsSystem()
{
    for (int type = 0; type < kVolumeTypeCount; ++type)
    {
        m_volumeByName.emplace(kVolumeTypeNames[type], static_cast<VolumeType>(type));
        m_volumeNames.emplace(type, kVolumeTypeNames[type]);
    }
    for (int category = 0; category < kCollisionCategoryCount; ++category)
    {
        m_categoryByName.emplace(kCategoryNames[category], static_cast<CollisionCategory>(category));
        m_categoryNames.emplace(category, kCategoryNames[category]);
    }
}

PhysicsSystem::~PhysicsSystem() = default;

PhysicsSystem& PhysicsSystem::Instance()
{
    static PhysicsSystem instance;
    return instance;
}

void PhysicsSystem::Init()
{
    m_integrator = std::make_unique<EulerIntegrator>();
    m_table = std::make_unique<CollisionTable>();
    m_resolver = std::make_unique<ContactResolver>();
}

void PhysicsSystem::PreUpdate()
{
    const bool debugDraw = Logic::Instance().IsDebugDraw();
    for (size_t i = 0; i < m_colliders.size(); ++i)
    {
        Collider& collider = *m_colliders[i];
        collider.UpdatePlacement();
        m_broadPhase.Refresh(static_cast<int>(i));
        if (debugDraw)
            DrawCollider(collider, kColliderColour);
    }
    m_pairsValid = false;
}

void PhysicsSystem::Update()
{
    const Engine* engine = Engine::Get();
    Update(engine ? engine->GetDeltaTime() : 0.0f);
}

void PhysicsSystem::Update(float frameTime)
{
    // No remainder is carried to the next frame: a 1/60 s frame runs two whole steps.
    float remaining = std::min(frameTime, m_maxFrameTime);
    m_pairsValid = false;
    while (remaining > 0.0f)
    {
        Step(m_fixedStep);
        // Placement only changes in PreUpdate, so later steps of this frame meet the same pairs.
        m_pairsValid = true;
        remaining -= m_fixedStep;
    }
    m_pairsValid = false;
    UpdateSpins();
}

void PhysicsSystem::PostUpdate()
{
    for (Collider* collider : m_colliders)
        collider->ClearTouched();
    m_contacts.clear();
}

void PhysicsSystem::Step(float dt)
{
    assert(m_integrator && "PhysicsSystem::Init must run before the first step");
    if (!m_integrator)
        return;
    IntegrateBodies(dt);
    DetectContacts();
    ResolveContacts();
}

void PhysicsSystem::IntegrateBodies(float dt)
{
    for (RigidBody* body : m_bodies)
    {
        Transform* transform = TransformOf(*body);
        if (transform)
            body->SetPosition(transform->GetPosition());
        // A body that cannot accelerate and stands still would come out of the step unchanged;
        // most of a track is such bodies, so skip the work.
        if (body->GetInverseMass() == 0.0f && body->GetVelocity() == Vector4{})
        {
            body->ClearForces();
            continue;
        }
        if (body->IsGravityOn())
            ApplyGravity(*body);
        m_integrator->Integrate(*body, dt);
        if (transform)
            transform->SetPosition(body->GetPosition());
    }
}

void PhysicsSystem::ApplyGravity(RigidBody& body) const
{
    // The weight of a body with the static mass overflows to infinity, and infinity times its
    // zero inverse mass is NaN; such a body cannot be accelerated anyway.
    const Vector4 weight = m_gravity * body.GetMass();
    if (weight.IsFinite())
        body.AddForce(weight);
}

void PhysicsSystem::DetectContacts()
{
    if (m_colliders.size() < 2)
        return;
    const bool debugDraw = Logic::Instance().IsDebugDraw();
    if (m_detection == Detection::AllPairs)
        DetectAllPairs(debugDraw);
    else
        DetectCandidates(debugDraw);
}

void PhysicsSystem::DetectAllPairs(bool debugDraw)
{
    for (size_t i = 0; i < m_colliders.size(); ++i)
        for (size_t j = i + 1; j < m_colliders.size(); ++j)
            if (m_colliders[i]->IsDynamic() || m_colliders[j]->IsDynamic())
                DetectPair(m_colliders[i], m_colliders[j], debugDraw);
}

void PhysicsSystem::DetectCandidates(bool debugDraw)
{
    if (!m_pairsValid)
        m_broadPhase.FindPairs(m_pairs);
    for (const auto& [i, j] : m_pairs)
        DetectPair(m_colliders[static_cast<size_t>(i)], m_colliders[static_cast<size_t>(j)], debugDraw);
}

void PhysicsSystem::DetectPair(Collider* first, Collider* second, bool debugDraw)
{
    Contact contact;
    contact.a = first;
    contact.b = second;
    if (!m_table->Detect(contact))
        return;
    m_contacts.push_back(contact);
    if (debugDraw)
        DrawContact(contact);
}

void PhysicsSystem::ResolveContacts()
{
    // Every contact of the frame so far, not just this step's: a pair found in the first step
    // is pushed again, with its stored normal and depth, by each later step.
    for (Contact& contact : m_contacts)
    {
        if (!m_resolver->Filter(contact))
            continue;
        m_resolver->ResolveVelocity(contact);
        m_resolver->CorrectPositions(contact);
    }
}

void PhysicsSystem::UpdateSpins()
{
    // A spin's update may add or remove spins; walk a copy.
    std::vector<Component*> spins;
    spins.reserve(m_spins.size());
    for (const auto& [spin, order] : m_spins)
        spins.push_back(spin);
    for (Component* spin : spins)
        if (m_spins.count(spin))
            spin->Update();
}

void PhysicsSystem::AddRigidBody(RigidBody* body)
{
    m_bodies.push_back(body);
}

void PhysicsSystem::RemoveRigidBody(RigidBody* body)
{
    SwapRemove(m_bodies, body);
}

void PhysicsSystem::AddCollider(Collider* collider)
{
    m_colliders.push_back(collider);
    m_broadPhase.Add(collider);
    m_pairsValid = false;
}

void PhysicsSystem::RemoveCollider(Collider* collider)
{
    auto found = std::find(m_colliders.begin(), m_colliders.end(), collider);
    if (found == m_colliders.end())
        return;
    m_broadPhase.Remove(static_cast<int>(found - m_colliders.begin()));
    *found = m_colliders.back();
    m_colliders.pop_back();
    m_pairsValid = false;
    // Readers of touched lists and the next resolve must never meet a destroyed collider.
    for (Collider* other : m_colliders)
        other->ForgetTouched(collider);
    std::erase_if(m_contacts, [collider](const Contact& c) { return c.a == collider || c.b == collider; });
}

void PhysicsSystem::ColliderChanged(Collider* collider)
{
    for (size_t i = 0; i < m_colliders.size(); ++i)
        if (m_colliders[i] == collider)
            m_broadPhase.Refresh(static_cast<int>(i));
    m_pairsValid = false;
}

void PhysicsSystem::AddSpin(Component* spin)
{
    ++m_spinCounter;
    m_spins[spin] = m_spinCounter;
}

void PhysicsSystem::RemoveSpin(Component* spin)
{
    m_spins.erase(spin);
}

bool PhysicsSystem::FindVolumeType(const std::string& name, VolumeType& out) const
{
    auto found = m_volumeByName.find(name);
    if (found == m_volumeByName.end())
        return false;
    out = found->second;
    return true;
}

const std::string& PhysicsSystem::GetVolumeTypeName(VolumeType type) const
{
    return NameOr(m_volumeNames, static_cast<int>(type));
}

bool PhysicsSystem::FindCategory(const std::string& name, CollisionCategory& out) const
{
    auto found = m_categoryByName.find(name);
    if (found == m_categoryByName.end())
        return false;
    out = found->second;
    return true;
}

const std::string& PhysicsSystem::GetCategoryName(CollisionCategory category) const
{
    return NameOr(m_categoryNames, static_cast<int>(category));
}

std::vector<std::string> PhysicsSystem::VolumeTypeNames() const
{
    return {std::begin(kVolumeTypeNames), std::end(kVolumeTypeNames)};
}

std::vector<std::string> PhysicsSystem::CategoryNames() const
{
    return {std::begin(kCategoryNames), std::begin(kCategoryNames) + kCollisionCategoryCount};
}

void PhysicsSystem::DrawCollider(const Collider& collider, const Vector4& colour) const
{
    if (!s_debugDraw)
        return;
    const Vector4& center = collider.GetWorldCenter();
    const Vector4& half = collider.GetHalfExtents();
    switch (collider.GetVolumeType())
    {
    case VolumeType::Sphere:
        s_debugDraw->DrawSphere(center, half.x, colour);
        return;
    case VolumeType::Obb:
    {
        const Transform* transform = collider.GetTransform();
        s_debugDraw->DrawBox(center, half, transform ? transform->GetRotation() : Quaternion{}, colour);
        return;
    }
    case VolumeType::Aabb:
        break;
    }
    s_debugDraw->DrawBox(center, half, Quaternion{}, colour);
}

void PhysicsSystem::DrawContact(const Contact& contact) const
{
    if (!s_debugDraw)
        return;
    DrawCollider(*contact.a, kContactColour);
    DrawCollider(*contact.b, kContactColour);
    s_debugDraw->DrawSphere(contact.point, kContactPointRadius, kContactColour);
    s_debugDraw->DrawLine(contact.point, contact.point + contact.normal, kContactColour);
}
