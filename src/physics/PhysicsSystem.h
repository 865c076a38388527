#pragma once

#include "core/System.h"
#include "math/Vector4.h"
#include "physics/BroadPhase.h"
#include "physics/CollisionTypes.h"
#include "physics/Contact.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class Collider;
class CollisionTable;
class Component;
class ContactResolver;
class Integrator;
class PhysicsDebugDraw;
class RigidBody;

/// Moves every rigid body in fixed steps, finds overlapping colliders, records them for
/// gameplay and answers them with impulses and positional correction. Also owns gravity, the
/// volume and category names, and the spins it updates after the steps.
class PhysicsSystem final : public System
{
  public:
    /// How the step finds overlapping pairs; both give identical contacts and touched lists.
    enum class Detection
    {
        AllPairs,   ///< every pair of list positions, the reference
        BroadPhase, ///< only pairs whose bounds meet
    };

    static PhysicsSystem& Instance();
    /// Where colliders and contacts are drawn while debug drawing is on; set by the composition
    /// root, null draws nothing.
    static void SetDebugDraw(PhysicsDebugDraw* draw) { s_debugDraw = draw; }
    ~PhysicsSystem() override;
    PhysicsSystem(const PhysicsSystem&) = delete;
    PhysicsSystem& operator=(const PhysicsSystem&) = delete;

    /// Creates the integrator, the collision table and the resolver.
    void Init() override;
    /// Places and sizes every collider for this frame; draws them when debug drawing is on.
    void PreUpdate() override;
    /// Runs the frame with the engine's frame time (none without an engine).
    void Update() override;
    /// Empties the touched lists and the contact list.
    void PostUpdate() override;

    /// Fixed steps for `frameTime` seconds (cut to the maximum), then the spins.
    void Update(float frameTime);
    /// One fixed step: integrate, detect, resolve every contact of the frame so far.
    void Step(float dt);

    void AddRigidBody(RigidBody* body);
    void RemoveRigidBody(RigidBody* body);
    void AddCollider(Collider* collider);
    /// Also drops the collider from every touched list and contact, so none is left dangling.
    void RemoveCollider(Collider* collider);
    /// A registered collider changed its volume or dynamic flag outside the frame's placement.
    void ColliderChanged(Collider* collider);
    void AddSpin(Component* spin);
    void RemoveSpin(Component* spin);

    const std::vector<RigidBody*>& GetRigidBodies() const { return m_bodies; }
    const std::vector<Collider*>& GetColliders() const { return m_colliders; }
    /// Contacts found since the last PostUpdate, repeats of later steps included.
    const std::vector<Contact>& GetContacts() const { return m_contacts; }
    const Vector4& GetGravity() const { return m_gravity; }
    void SetGravity(const Vector4& gravity) { m_gravity = gravity; }
    float GetFixedStep() const { return m_fixedStep; }
    Detection GetDetection() const { return m_detection; }
    void SetDetection(Detection detection) { m_detection = detection; }

    /// The volume type named `name`; false (and `out` unchanged) for an unknown name.
    bool FindVolumeType(const std::string& name, VolumeType& out) const;
    const std::string& GetVolumeTypeName(VolumeType type) const;
    /// The category named `name`; false (and `out` unchanged) for an unknown name.
    bool FindCategory(const std::string& name, CollisionCategory& out) const;
    const std::string& GetCategoryName(CollisionCategory category) const;
    /// The volume names in number order (for the panel's enumeration).
    std::vector<std::string> VolumeTypeNames() const;
    /// The category names in number order (for the panel's enumeration).
    std::vector<std::string> CategoryNames() const;

  private:
    PhysicsSystem();
    void IntegrateBodies(float dt);
    void ApplyGravity(RigidBody& body) const;
    void DetectContacts();
    void DetectAllPairs(bool debugDraw);
    void DetectCandidates(bool debugDraw);
    void DetectPair(Collider* first, Collider* second, bool debugDraw);
    void ResolveContacts();
    void UpdateSpins();
    void DrawCollider(const Collider& collider, const Vector4& colour) const;
    void DrawContact(const Contact& contact) const;

    float m_fixedStep = 0.016f;
    float m_maxFrameTime = 0.1f;
    std::vector<RigidBody*> m_bodies;
    std::vector<Collider*> m_colliders;
    std::vector<Contact> m_contacts;
    int m_spinCounter = 0;
    std::unordered_map<Component*, int> m_spins;
    std::unique_ptr<Integrator> m_integrator;
    std::unique_ptr<CollisionTable> m_table;
    std::unique_ptr<ContactResolver> m_resolver;

    Vector4 m_gravity{0, -9.8f, 0, 0};
    std::unordered_map<std::string, VolumeType> m_volumeByName;
    std::unordered_map<int, std::string> m_volumeNames;
    std::unordered_map<std::string, CollisionCategory> m_categoryByName;
    std::unordered_map<int, std::string> m_categoryNames;

    Detection m_detection = Detection::BroadPhase;
    BroadPhase m_broadPhase;
    std::vector<std::pair<int, int>> m_pairs;
    bool m_pairsValid = false; ///< m_pairs still match the colliders (within one Update)
    static inline PhysicsDebugDraw* s_debugDraw = nullptr;
};
