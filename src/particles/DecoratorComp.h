#pragma once

#include "objects/Component.h"
#include "particles/Decorator.h"

#include <array>
#include <memory>

/// Holds at most one scale and one life decorator and runs them for its object.
class DecoratorComp final : public Component
{
  public:
    static constexpr int kKindCount = 2;

    DecoratorComp();
    ~DecoratorComp() override;

    /// The decorator of `kind` (0 scale, 1 life), or null.
    Decorator* Get(int kind) const;
    /// Creates a decorator of `kind` in its slot if the slot is empty.
    void Add(int kind);
    /// What the panel's "remove_dec" does: takes the decorator of `kind` off the object and its
    /// group off the panel, which keeps it alive until it is refilled, since the click comes while
    /// the panel is still drawing fields that point into it.
    void Remove(int kind, TweakBar& bar);

    void Initialize() override;
    bool Update() override;
    std::unique_ptr<Component> Clone() const override;
    /// Each child's "value" selects the kind; a kind already present is discarded.
    void Deserialize(XmlFile& file, const XmlElement* element) override;
    void Serialize(XmlFile& file, XmlElement* parent, bool instanceOnly) const override;
    void AddToTweakBar(TweakBar& bar, bool instanceOnly) override;

  private:
    static std::unique_ptr<Decorator> Make(int kind);
    /// The decorator of `kind` out of its slot, after its Remove; null if there is none.
    std::unique_ptr<Decorator> Take(int kind);

    std::array<std::unique_ptr<Decorator>, kKindCount> m_slots;
    bool m_registered = false;
    /// The panel's kind selector, shared by every DecoratorComp.
    static inline int s_selectedKind = 0;
};
