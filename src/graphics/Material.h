#pragma once

#include <string>
#include <vector>

class Effect;
class MaterialProperty;
struct EffectEntry;

/// What a mesh renderer names with its shader name: an effect and the properties applied each
/// time the material is begun. Properties are not owned; one may sit in several materials.
class Material
{
  public:
    /// The material's name: its effect file's name without ".fx".
    const std::string& GetName() const { return m_name; }
    /// Renames the material.
    void SetName(const std::string& name) { m_name = name; }
    /// The effect-table row the material draws with.
    EffectEntry* GetEffectEntry() const { return m_entry; }
    /// Points the material at an effect-table row.
    void SetEffectEntry(EffectEntry* entry) { m_entry = entry; }
    /// The effect, or null when it is missing or did not compile.
    const Effect* GetEffect() const;

    /// Appends `property` unless it is already in the list.
    void AddProperty(MaterialProperty* property);
    /// The properties applied at Begin, in order.
    const std::vector<MaterialProperty*>& GetProperties() const { return m_properties; }

    /// Starts drawing: the effect's program and pass states, then every property in order.
    void Begin() const;
    /// Ends drawing: Unapply of every property in order.
    void End() const;

  private:
    std::string m_name = "default";
    EffectEntry* m_entry = nullptr;
    std::vector<MaterialProperty*> m_properties;
};
