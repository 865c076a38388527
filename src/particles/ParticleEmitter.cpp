#include "particles/ParticleEmitter.h"

#include "core/ResourcePaths.h"
#include "core/TweakBar.h"
#include "graphics/GraphicsSystem.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "particles/ParticleDecoratorTable.h"

#include <cmath>
#include <cstdio>

namespace
{
// At or below this a lifetime means "never dies" and a spawn rate means "no periodic spawning".
constexpr float kNearZero = 0.0001f;

bool IsFinite(const Vector4& v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z) && std::isfinite(v.w);
}

// What the vertex buffer reads of a particle: a non-finite value there would reach the GPU.
bool IsDrawable(const Particle& particle)
{
    return IsFinite(particle.position) && IsFinite(particle.colour) && std::isfinite(particle.size);
}

const XmlElement* FindField(const XmlElement* root, ValueKind kind, const char* name)
{
    return XmlFile::FindChildElement(root, XmlFile::TypeName(kind), name);
}

template <typename T> void ReadField(T& out, const XmlElement* root, ValueKind kind, const char* name)
{
    if (const XmlElement* element = FindField(root, kind, name))
        XmlFile::ReadValue(out, element);
}
} // namespace

std::unique_ptr<ParticleDecorator> ParticleEmitter::MakeDecorator(const std::string& name)
{
    if (s_decoratorFactory)
        return s_decoratorFactory(name);
    return ParticleDecoratorTable::CreateDecorator(ParticleDecoratorTable::TypeOf(name));
}

ParticleDecorator* ParticleEmitter::FindDecorator(uint32_t type) const
{
    for (const std::unique_ptr<ParticleDecorator>& decorator : m_decorators)
        if (decorator->Type() == type)
            return decorator.get();
    return nullptr;
}

bool ParticleEmitter::AddDecorator(std::unique_ptr<ParticleDecorator> decorator)
{
    if (!decorator || FindDecorator(decorator->Type()))
        return false;
    m_decorators.push_back(std::move(decorator));
    return true;
}

void ParticleEmitter::Initialize(ParticleComponent& owner, GameObject* ownerObject)
{
    m_owner = &owner;
    m_ownerObject = ownerObject;
    // Archetypes are read before the textures are loaded: the look is found again for each object.
    m_material = GraphicsSystem::Instance().GetMaterial(m_materialName);
    BindTexture();
    for (const std::unique_ptr<ParticleDecorator>& decorator : m_decorators)
        decorator->Initialize(*this);
}

// ---------------------------------------------------------------------------------------------
// The frame

Vector4 ParticleEmitter::OwnerPosition() const
{
    const Transform* transform =
        m_ownerObject ? m_ownerObject->Get<Transform>(ComponentType::Transform) : nullptr;
    return transform ? transform->GetPosition() : Vector4{0.0f, 0.0f, 0.0f, 1.0f};
}

void ParticleEmitter::Update(float dt)
{
    m_frameTime = dt;
    if (!m_active && m_defaultLifetime < kNearZero)
        m_particles.clear();
    const Vector4 ownerPosition = OwnerPosition();
    // A removed particle's slot takes the last one, which must be examined in its turn.
    for (size_t i = 0; i < m_particles.size();)
        if (UpdateParticle(i, ownerPosition))
            ++i;
    if (!m_active || !(m_spawnRate >= kNearZero))
        return;
    m_spawnClock += dt;
    if (m_spawnClock >= m_spawnRate)
    {
        Spawn(m_spawnNum);
        m_spawnClock = 0.0f;
    }
}

bool ParticleEmitter::UpdateParticle(size_t index, const Vector4& ownerPosition)
{
    Particle& particle = m_particles[index];
    particle.age += m_frameTime;
    const bool mortal = particle.lifetime > kNearZero;
    if (mortal && particle.age > particle.lifetime)
    {
        RemoveParticle(index);
        return false;
    }
    // An immortal particle (lifetime 0 or negative) would otherwise get an infinite or negative age.
    particle.normalisedAge = mortal ? particle.age / particle.lifetime : 0.0f;
    for (const std::unique_ptr<ParticleDecorator>& decorator : m_decorators)
        decorator->Update(particle, *this);
    if (m_localPos)
        particle.position = ownerPosition + particle.localPosition + m_offset;
    particle.position.w = 1.0f;
    if (!IsDrawable(particle))
    {
        RemoveParticle(index);
        return false;
    }
    return true;
}

void ParticleEmitter::RemoveParticle(size_t index)
{
    m_particles[index] = m_particles.back();
    m_particles.pop_back();
}

bool ParticleEmitter::Spawn(uint32_t count)
{
    const Vector4 ownerPosition = OwnerPosition();
    for (uint32_t i = 0; i < count; ++i)
    {
        if (m_particles.size() >= m_maxParticles)
            return false;
        Particle particle;
        particle.lifetime = m_defaultLifetime;
        for (const std::unique_ptr<ParticleDecorator>& decorator : m_decorators)
            decorator->Spawn(particle, *this);
        particle.localPosition += m_offset;
        particle.position = ownerPosition + particle.localPosition;
        particle.position.w = 1.0f;
        if (!m_localPos)
            particle.localPosition = particle.position;
        if (m_localVel)
            particle.velocity = m_orientation.Rotate(particle.velocity);
        if (m_localAccel)
            particle.acceleration = m_orientation.Rotate(particle.acceleration);
        if (IsDrawable(particle))
            m_particles.push_back(particle);
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// The effect file

bool ParticleEmitter::LoadFile()
{
    const std::string path = std::string(ResourcePaths::kParticleEffects) + m_name + ".xml";
    XmlFile file(path);
    if (!file.IsLoaded() || !file.GetRoot())
        return false;
    Deserialize(file.GetRoot());
    return true;
}

void ParticleEmitter::Deserialize(const XmlElement* root)
{
    m_spawnClock = 0.0f;
    m_particles.clear();
    ReadFlags(root);
    ReadLook(root);
    ReadPool(root);
    ReadDecorators(root);
    if (m_owner)
        for (const std::unique_ptr<ParticleDecorator>& decorator : m_decorators)
            decorator->Initialize(*this);
}

void ParticleEmitter::ReadFlags(const XmlElement* root)
{
    ReadField(m_active, root, ValueKind::Bool, "active");
    ReadField(m_localVel, root, ValueKind::Bool, "localVel");
    ReadField(m_localPos, root, ValueKind::Bool, "localPos");
    m_useCulling = true;
    ReadField(m_useCulling, root, ValueKind::Bool, "m_useCulling");
    ReadField(m_localAccel, root, ValueKind::Bool, "localAccel");
    ReadField(m_offset, root, ValueKind::Vector4, "offset");
    ReadField(m_orientation, root, ValueKind::Vector4, "orientation");
    m_orientation = m_orientation.Normalized();
}

void ParticleEmitter::ReadLook(const XmlElement* root)
{
    ReadField(m_materialName, root, ValueKind::String, "material");
    m_textureName = "fire";
    ReadField(m_textureName, root, ValueKind::String, "texture");
    GraphicsSystem& graphics = GraphicsSystem::Instance();
    m_material = graphics.GetMaterial(m_materialName);
    BindTexture();
}

void ParticleEmitter::BindTexture()
{
    m_albedo.SetName("albedo");
    m_albedo.SetTexture(GraphicsSystem::Instance().GetTexture(m_textureName));
}

void ParticleEmitter::ReadPool(const XmlElement* root)
{
    ReadField(m_maxParticles, root, ValueKind::UInt, "maxParticle");
    if (m_maxParticles > kMaxPoolSize)
    {
        std::printf("Particle effect '%s': maxParticle %u capped at %u\n", m_name.c_str(), m_maxParticles,
                    kMaxPoolSize);
        m_maxParticles = kMaxPoolSize;
    }
    if (m_maxParticles == 0)
        std::printf("Particle effect '%s': maxParticle 0, nothing will be shown\n", m_name.c_str());
    m_particles.reserve(m_maxParticles);
    if (FindField(root, ValueKind::Float, "spawnRate"))
    {
        ReadField(m_spawnRate, root, ValueKind::Float, "spawnRate");
        m_particles.clear();
        m_spawnClock = 0.0f;
    }
    if (m_spawnRate < 0.0f)
    {
        std::printf("Particle effect '%s': negative spawnRate taken as 0 (no periodic spawning)\n",
                    m_name.c_str());
        m_spawnRate = 0.0f;
    }
    ReadField(m_spawnNum, root, ValueKind::UInt, "spawnNum");
}

void ParticleEmitter::ReadDecorators(const XmlElement* root)
{
    m_decorators.clear();
    const XmlElement* element = root ? root->FirstChildElement("Decorator") : nullptr;
    for (; element; element = element->NextSiblingElement())
    {
        std::string name;
        ReadField(name, element, ValueKind::String, "name");
        std::unique_ptr<ParticleDecorator> decorator = MakeDecorator(name);
        if (!decorator)
            continue;
        decorator->Deserialize(element);
        AddDecorator(std::move(decorator));
    }
}

void ParticleEmitter::Serialize(XmlFile& file, XmlElement* parent) const
{
    file.WriteValue(parent, m_active, "active");
    file.WriteValue(parent, m_localVel, "localVel");
    file.WriteValue(parent, m_localPos, "localPos");
    file.WriteValue(parent, m_useCulling, "m_useCulling");
    file.WriteValue(parent, m_localAccel, "localAccel");
    file.WriteValue(parent, m_offset, "offset");
    file.WriteValue(parent, m_orientation, "orientation");
    file.WriteValue(parent, m_materialName, "material");
    file.WriteValue(parent, m_textureName, "texture");
    file.WriteValue(parent, m_maxParticles, "maxParticle");
    file.WriteValue(parent, m_spawnRate, "spawnRate");
    file.WriteValue(parent, m_spawnNum, "spawnNum");
    for (const std::unique_ptr<ParticleDecorator>& decorator : m_decorators)
        decorator->Serialize(file, parent);
}

void ParticleEmitter::AddToTweakBar(TweakBar& bar, const std::string& group)
{
    const std::string definition = TweakBar::GroupDefinition(group);
    bar.AddVarRW(m_name + " active", TweakType::Bool, &m_active, definition);
    bar.AddVarRW(m_name + " localPos", TweakType::Bool, &m_localPos, definition);
    bar.AddVarRW(m_name + " culling", TweakType::Bool, &m_useCulling, definition);
    bar.AddVarRW(m_name + " offset", TweakType::Vector3, &m_offset, definition);
    bar.AddVarRW(m_name + " spawnRate", TweakType::Float, &m_spawnRate, definition + " min=0 step=0.01");
    bar.AddVarRW(m_name + " spawnNum", TweakType::UInt, &m_spawnNum, definition);
    bar.AddVarRO(m_name + " maxParticle", TweakType::UInt, &m_maxParticles, definition);
    bar.AddButton(
        m_name + " spawn now",
        [this]
        {
            Clear();
            Spawn(m_maxParticles);
        },
        definition);
}
