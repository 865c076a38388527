#pragma once

#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "physics/PhysicsSystem.h"
#include "physics/RigidBody.h"

#include <memory>
#include <vector>

/// Objects with a Transform and optionally a body and a collider, registered with the physics
/// system for one test.
class PhysicsWorld
{
  public:
    PhysicsWorld() { PhysicsSystem::Instance().Init(); }

    /// An initialised object at `position`; a collider of `type` unless `withCollider` is false.
    GameObject& Add(VolumeType type, const Vector4& position, const Vector4& scale = {1, 1, 1, 0},
                    bool dynamic = true, bool withBody = true, bool withCollider = true)
    {
        auto object = std::make_unique<GameObject>("test");
        auto* transform = static_cast<Transform*>(object->AddComponent(std::make_unique<Transform>()));
        transform->SetPosition({position.x, position.y, position.z, 1});
        transform->SetScale(scale.x, scale.y, scale.z);
        if (withBody)
            object->AddComponent(std::make_unique<RigidBody>());
        if (withCollider)
        {
            auto* collider = static_cast<Collider*>(object->AddComponent(std::make_unique<Collider>()));
            collider->SetVolumeType(type);
            collider->SetDynamic(dynamic);
        }
        object->InitializeComponents();
        objects.push_back(std::move(object));
        return *objects.back();
    }

    /// PreUpdate then Update: the touched lists and contacts stay until PostUpdate.
    static void Frame(float frameTime)
    {
        PhysicsSystem::Instance().PreUpdate();
        PhysicsSystem::Instance().Update(frameTime);
    }

    std::vector<std::unique_ptr<GameObject>> objects;
};

inline Transform& TransformOf(GameObject& object)
{
    return *object.Get<Transform>(ComponentType::Transform);
}

inline RigidBody& BodyOf(GameObject& object)
{
    return *object.Get<RigidBody>(ComponentType::RigidBody);
}

inline Collider& ColliderOf(GameObject& object)
{
    return *object.Get<Collider>(ComponentType::Collider);
}

/// A fresh contact record for the pair (a, b).
inline Contact PairOf(Collider& a, Collider& b)
{
    Contact contact;
    contact.a = &a;
    contact.b = &b;
    return contact;
}
