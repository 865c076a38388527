#pragma once

#include "objects/XmlFile.h"

#include <memory>

class GameObject;
class TweakBar;

/// An object-level behaviour held by a DecoratorComp: randomised scale or life of spawned objects.
class Decorator
{
  public:
    virtual ~Decorator() = default;
    virtual std::unique_ptr<Decorator> Clone() const = 0;
    virtual void Initialize(GameObject& owner) = 0;
    virtual void Update(GameObject& owner) = 0;
    virtual void Remove(GameObject& /*owner*/) {}
    /// Reads the fields from the decorator's element, by position.
    virtual void Deserialize(const XmlElement* element) = 0;
    /// Appends the decorator's element under `parent`.
    virtual void Serialize(XmlFile& file, XmlElement* parent) const = 0;
    /// Adds the decorator's own group of fields to the panel.
    virtual void AddToTweakBar(TweakBar& bar) = 0;
    /// Removes that group from the panel again.
    virtual void RemoveFromTweakBar(TweakBar& bar) = 0;
    /// The element's "value": 0 scale, 1 life.
    virtual int Kind() const = 0;
};

/// Gives the owner a random uniform scale and can grow or shrink it over its life.
class ScaleDecorator final : public Decorator
{
  public:
    std::unique_ptr<Decorator> Clone() const override { return std::make_unique<ScaleDecorator>(*this); }
    void Initialize(GameObject& owner) override;
    void Update(GameObject& owner) override;
    void Deserialize(const XmlElement* element) override;
    void Serialize(XmlFile& file, XmlElement* parent) const override;
    void AddToTweakBar(TweakBar& bar) override;
    void RemoveFromTweakBar(TweakBar& bar) override;
    int Kind() const override { return 0; }

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
    std::unique_ptr<Decorator> Clone() const override { return std::make_unique<LifeCompDecorator>(*this); }
    void Initialize(GameObject& owner) override;
    void Update(GameObject& /*owner*/) override {}
    void Deserialize(const XmlElement* element) override;
    void Serialize(XmlFile& file, XmlElement* parent) const override;
    void AddToTweakBar(TweakBar& bar) override;
    void RemoveFromTweakBar(TweakBar& bar) override;
    int Kind() const override { return 1; }

  private:
    float m_lifeMin = -1.0f;
    float m_lifeMax = -1.0f;
};
