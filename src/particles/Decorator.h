#pragma once

#include "objects/FieldSet.h"
#include "objects/XmlFile.h"

#include <memory>

class GameObject;
class TweakBar;

/// An object-level behaviour held by a DecoratorComp: randomised scale or life of spawned objects.
class Decorator
{
  public:
    virtual ~Decorator() = default;
    /// How this class's fields are cloned, read, written and shown.
    virtual const FieldSet<Decorator>& Fields() const = 0;
    /// A copy with the same settings.
    virtual std::unique_ptr<Decorator> Clone() const;
    virtual void Initialize(GameObject& owner) = 0;
    virtual void Update(GameObject& owner) = 0;
    virtual void Remove(GameObject& /*owner*/) {}
    /// Reads the fields from the decorator's element, by position.
    virtual void Deserialize(const XmlElement* element);
    /// Appends the decorator's element under `parent`.
    virtual void Serialize(XmlFile& file, XmlElement* parent) const;
    /// Shows the fields in the decorator's own panel group.
    virtual void AddToTweakBar(TweakBar& bar);
    /// Removes that group from the panel again.
    virtual void RemoveFromTweakBar(TweakBar& bar) = 0;
    /// The element's "value": 0 scale, 1 life.
    virtual int Kind() const = 0;
};

/// Gives the owner a random uniform scale and can grow or shrink it over its life.
class ScaleDecorator final : public Decorator
{
  public:
    static constexpr int kKind = 0;

    /// "DT_Scale": "randSacle", "scaleOverLife", "scaleMin", "scaleMax", by position.
    const FieldSet<Decorator>& Fields() const override;
    void Initialize(GameObject& owner) override;
    void Update(GameObject& owner) override;
    void RemoveFromTweakBar(TweakBar& bar) override;
    int Kind() const override { return kKind; }

  private:
    bool m_randomScale = false;
    bool m_scaleOverLife = false;
    float m_scaleMin = 1.0f;
    float m_scaleMax = 1.0f;
};

/// Gives the owner's LifeComponent a random life time.
class LifeCompDecorator final : public Decorator
{
  public:
    static constexpr int kKind = 1;

    /// "DT_Life": "lifeMin", "lifeMax", by position.
    const FieldSet<Decorator>& Fields() const override;
    void Initialize(GameObject& owner) override;
    void Update(GameObject& /*owner*/) override {}
    void RemoveFromTweakBar(TweakBar& bar) override;
    int Kind() const override { return kKind; }

  private:
    float m_lifeMin = -1.0f;
    float m_lifeMax = -1.0f;
};
