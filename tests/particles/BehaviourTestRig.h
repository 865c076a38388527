#pragma once

// A bare emitter whose owner object has a Transform: what a behaviour reads and writes, without
// the emitter's own update loop.
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "particles/Particle.h"
#include "particles/ParticleEmitter.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <tinyxml2.h>

struct BehaviourTestRig
{
    GameObject owner{"owner"};
    Transform* transform = nullptr;
    ParticleEmitter emitter;

    BehaviourTestRig()
    {
        transform = static_cast<Transform*>(owner.AddComponent(std::make_unique<Transform>()));
        emitter.SetOwnerObject(&owner);
        emitter.SetFrameTime(0.5f);
    }
};

/// Length of the x, y, z part.
inline float Length3Of(const Vector4& v)
{
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

/// True when all four components are finite.
inline bool Finite(const Vector4& v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z) && std::isfinite(v.w);
}

/// Reads `xml` (the inside of a "Decorator" element) into `decorator`.
inline void Configure(ParticleDecorator& decorator, const char* xml)
{
    tinyxml2::XMLDocument document;
    ASSERT_EQ(document.Parse((std::string("<Decorator>") + xml + "</Decorator>").c_str()),
              tinyxml2::XML_SUCCESS);
    decorator.Deserialize(document.RootElement());
}
