#pragma once

#include "objects/FieldSet.h"
#include "objects/XmlFile.h"

#include <cstdint>
#include <memory>
#include <string>

class ParticleEmitter;
class TweakBar;
struct Particle;

/// One behaviour of a particle effect: where new particles appear, how they leave, and how they
/// change while they live. An emitter holds at most one of each type and calls them in file order.
class ParticleDecorator
{
  public:
    virtual ~ParticleDecorator() = default;

    /// Called when the owning component initialises and whenever the effect file is read again.
    virtual void Initialize(ParticleEmitter& /*emitter*/) {}
    /// Shapes a new particle; later behaviours see what earlier ones wrote.
    virtual void Spawn(Particle& /*particle*/, ParticleEmitter& /*emitter*/) {}
    /// Moves, colours or scales a live particle once per frame, after the emitter aged it.
    virtual void Update(Particle& /*particle*/, ParticleEmitter& /*emitter*/) {}
    /// How this behaviour's fields are read, written, copied and shown.
    virtual const FieldSet<ParticleDecorator>& Fields() const = 0;

    /// Shows the fields on the debug panel under `group`, so an effect can be tuned live.
    virtual void AddToTweakBar(TweakBar& bar, const std::string& group);
    /// Reads the fields present in the behaviour's "Decorator" element.
    virtual void Deserialize(const XmlElement* element);
    /// Appends a "Decorator" element with the behaviour's name and fields under `parent`.
    virtual void Serialize(XmlFile& file, XmlElement* parent) const;
    /// A copy with the same settings.
    virtual std::unique_ptr<ParticleDecorator> Clone() const;

    /// The name effect files select the behaviour by: the table's name for its type number.
    virtual std::string Name() const;

    /// The type number: the behaviour's index in the table of names.
    uint32_t Type() const { return m_type; }
    /// Set once by whoever creates the behaviour.
    void SetType(uint32_t type) { m_type = type; }

  private:
    uint32_t m_type = 0;
};
