#pragma once

#include "math/Vector4.h"
#include "objects/Component.h"
#include "particles/ParticleEmitter.h"

#include <memory>
#include <string>
#include <vector>

/// Gives a game object any number of named particle effects, each loaded from
/// res/particleeffects/<name>.xml, updated and drawn by the ParticleRenderer.
class ParticleComponent final : public Component
{
  public:
    /// The type number of the colour behaviour ("Color") in the table of behaviours.
    static constexpr uint32_t kColorBehaviourType = 15;

    ParticleComponent();
    ~ParticleComponent() override;

    /// Loads effect `name`; false if it is already loaded or its file cannot be read.
    bool LoadEffect(const std::string& name);
    /// Adds a ready-made effect; false (and the effect is dropped) if one of its name is loaded.
    bool AddEffect(std::unique_ptr<ParticleEmitter> effect);
    /// Starts or stops the periodic spawning of effect `name`; false for an unknown effect.
    bool SetEffectActive(const std::string& name, bool active);
    /// Starts or stops every effect.
    void SetAllEffectsActive(bool active);
    /// Empties effect `name` and fills its whole pool at once; false for an unknown effect.
    bool SpawnEffectNow(const std::string& name);
    /// Sets the three colours of effect `name`'s colour behaviour; false without effect or behaviour.
    bool ChangeEffectColor(const std::string& name, const Vector4& start, const Vector4& middle,
                           const Vector4& end);
    /// The effect `name`, or null.
    ParticleEmitter* FindEffect(const std::string& name) const;
    /// The effects in the order they were loaded.
    const std::vector<std::unique_ptr<ParticleEmitter>>& Effects() const { return m_effects; }

    /// Initialises every effect and joins the particle renderer.
    void Initialize() override;
    /// Updates every effect; false when there is none.
    bool Update() override;
    /// Per effect, "effect" (its name) holding "activeState"; a clone reloads each effect from its file.
    const ComponentFields* Fields() const override;
    /// Each effect's settings and its behaviours' fields, so an effect can be tuned live.
    void AddToTweakBar(TweakBar& bar, bool instanceOnly) override;

  private:
    void ReadEffects(const XmlElement* element);
    void WriteEffects(XmlFile& file, XmlElement* element) const;
    void AddEffectToTweakBar(TweakBar& bar, ParticleEmitter& effect) const;

    std::vector<std::unique_ptr<ParticleEmitter>> m_effects;
    bool m_registered = false;
};
