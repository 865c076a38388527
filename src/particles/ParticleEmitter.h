#pragma once

#include "graphics/Material_Texture.h"
#include "math/Quaternion.h"
#include "math/Vector4.h"
#include "objects/XmlFile.h"
#include "particles/Particle.h"
#include "particles/ParticleDecorator.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class GameObject;
class Material;
class ParticleComponent;
class Texture;
class TweakBar;

/// One particle effect: a pool of particle records, a spawn clock, a material and texture, and
/// the ordered behaviours that place, move, colour, scale and kill the particles.
///
/// The state the behaviours read and write is reachable through the inline accessors below, so
/// a behaviour can be exercised with a bare emitter and an owner object.
class ParticleEmitter
{
  public:
    ParticleEmitter() = default;
    explicit ParticleEmitter(std::string name) : m_name(std::move(name)) {}
    ~ParticleEmitter() = default;
    ParticleEmitter(const ParticleEmitter&) = delete;
    ParticleEmitter& operator=(const ParticleEmitter&) = delete;

    /// Makes a behaviour from its name in an effect file; null for a name it does not know.
    using DecoratorFactory = std::function<std::unique_ptr<ParticleDecorator>(const std::string& name)>;
    /// Replaces the table of behaviours as what turns names into behaviours (tests plant their own).
    static void SetDecoratorFactory(DecoratorFactory factory) { s_decoratorFactory = std::move(factory); }
    /// Makes the behaviour `name` (through the planted factory, if any); null for an unknown name.
    static std::unique_ptr<ParticleDecorator> MakeDecorator(const std::string& name);

    /// Pool capacities beyond this are taken as this: a file asking for millions must not reserve gigabytes.
    static constexpr uint32_t kMaxPoolSize = 65536;

    /// The effect file name without ".xml".
    const std::string& Name() const { return m_name; }

    /// The object the effect belongs to; null before Initialize, or for a bare emitter in a test.
    GameObject* OwnerObject() const { return m_ownerObject; }
    /// Sets the owner object directly (tests, and the component's Initialize through SetOwner).
    void SetOwnerObject(GameObject* owner) { m_ownerObject = owner; }
    /// The component holding this effect; null before Initialize.
    ParticleComponent* Owner() const { return m_owner; }

    /// The engine's frame time of the update in progress, in seconds.
    float FrameTime() const { return m_frameTime; }
    /// Sets the frame time the next behaviour calls see (the emitter's Update sets it itself).
    void SetFrameTime(float dt) { m_frameTime = dt; }

    bool IsActive() const { return m_active; }
    void SetActive(bool active) { m_active = active; }
    bool LocalPos() const { return m_localPos; }
    void SetLocalPos(bool on) { m_localPos = on; }
    bool LocalVel() const { return m_localVel; }
    bool LocalAccel() const { return m_localAccel; }
    bool UsesCulling() const { return m_useCulling; }

    /// Added to every spawn position ("offset").
    const Vector4& Offset() const { return m_offset; }
    void SetOffset(const Vector4& offset) { m_offset = offset; }
    /// The rotation applied to spawn vectors ("orientation").
    const Quaternion& Orientation() const { return m_orientation; }
    void SetOrientation(const Quaternion& orientation) { m_orientation = orientation; }

    uint32_t MaxParticles() const { return m_maxParticles; }
    uint32_t SpawnNum() const { return m_spawnNum; }
    float SpawnRate() const { return m_spawnRate; }
    float DefaultLifetime() const { return m_defaultLifetime; }
    /// The lifetime a particle starts with before any behaviour sets one.
    void SetDefaultLifetime(float lifetime) { m_defaultLifetime = lifetime; }

    /// The material the particles are drawn with; null headless or when it is unknown.
    Material* GetMaterial() const { return m_material; }
    /// The material's name ("ps_default" unless the file names another).
    const std::string& MaterialName() const { return m_materialName; }
    /// The texture bound to the material's "albedo" sampler.
    const std::string& TextureName() const { return m_textureName; }
    /// The property that hands the texture to the "albedo" sampler.
    Material_Texture& AlbedoProperty() { return m_albedo; }

    /// The live particles, in pool order.
    const std::vector<Particle>& Particles() const { return m_particles; }
    /// The behaviours in the order the effect file lists them.
    const std::vector<std::unique_ptr<ParticleDecorator>>& Decorators() const { return m_decorators; }
    /// The behaviour of type `type`, or null.
    ParticleDecorator* FindDecorator(uint32_t type) const;

    /// Sets the owner and runs every behaviour's Initialize.
    void Initialize(ParticleComponent& owner, GameObject* ownerObject);
    /// Ages, updates and removes particles, then spawns on the clock; `dt` in seconds.
    void Update(float dt);
    /// Spawns up to `count` particles; false as soon as the pool is full.
    bool Spawn(uint32_t count);
    /// Removes every particle.
    void Clear() { m_particles.clear(); }
    /// Appends a behaviour unless one of its type is already present; false when it is dropped.
    bool AddDecorator(std::unique_ptr<ParticleDecorator> decorator);

    /// Reads the effect's fields and behaviours from the file's root element.
    void Deserialize(const XmlElement* root);
    /// Reads res/particleeffects/<name>.xml; false (with one line) when it cannot be read.
    bool LoadFile();
    /// Shows the effect's own settings on the debug panel in group `group`.
    void AddToTweakBar(TweakBar& bar, const std::string& group);
    /// Writes the effect as its file would hold it under `parent`.
    void Serialize(XmlFile& file, XmlElement* parent) const;

  private:
    void ReadFlags(const XmlElement* root);
    void ReadPool(const XmlElement* root);
    void ReadLook(const XmlElement* root);
    void ReadDecorators(const XmlElement* root);
    void BindTexture();
    /// The owner's position, the origin for an object without a Transform (or none at all).
    Vector4 OwnerPosition() const;
    /// Ages and updates particle `index`; false when it died or went non-finite and was removed.
    bool UpdateParticle(size_t index, const Vector4& ownerPosition);
    void RemoveParticle(size_t index);

    static inline DecoratorFactory s_decoratorFactory;

    std::string m_name = "default";
    ParticleComponent* m_owner = nullptr;
    GameObject* m_ownerObject = nullptr;
    float m_frameTime = 0.0f;

    bool m_active = true;
    bool m_localPos = false;
    bool m_localAccel = false;
    bool m_localVel = false;
    bool m_useCulling = true;
    Vector4 m_offset;
    Quaternion m_orientation;
    uint32_t m_maxParticles = 100;
    uint32_t m_spawnNum = 1;
    float m_spawnRate = 1.0f;
    float m_spawnClock = 0.0f;
    float m_defaultLifetime = 1.0f;

    std::string m_materialName = "ps_default";
    std::string m_textureName = "fire";
    Material* m_material = nullptr;
    Material_Texture m_albedo;

    std::vector<std::unique_ptr<ParticleDecorator>> m_decorators;
    std::vector<Particle> m_particles;
};
