#pragma once

#include "core/Engine.h"
#include "math/Vector4.h"
#include "objects/Factory.h"
#include "support/TestSupport.h"

#include <memory>
#include <string>

/// A Factory with every component creator and no archetypes on disk, plus an engine whose frame
/// time the test sets; objects are built from component XML written in the test.
class RaceWorld
{
  public:
    RaceWorld();
    ~RaceWorld();

    /// Registers an archetype from the component elements and creates one object of it.
    GameObject* Spawn(const std::string& components);
    /// The frame time components read.
    void SetFrameTime(float dt) { m_engine->SetDeltaTime(dt); }

    /// Component XML for common pieces.
    static std::string TransformXml(const Vector4& position, const Vector4& scale = {1, 1, 1, 0});
    static std::string BodyXml(float mass, bool gravity, float capXZ = 30.0f, float capY = 8.0f,
                               bool isStatic = false);
    static std::string ColliderXml(const char* volume, bool dynamic, const char* category = "All",
                                   int mask = -1);
    static std::string ControllerXml(int player);
    static std::string VectorXml(const char* name, const Vector4& v);

  private:
    TempFolder m_folder;
    ScopedWorkingDirectory m_cwd{m_folder.Path()};
    std::unique_ptr<Engine> m_engine;
    int m_archetypes = 0;
};
