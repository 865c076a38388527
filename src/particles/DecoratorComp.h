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
    /// One element per decorator; reading, each child's "value" selects the kind and a kind
    /// already present is discarded. A clone gets a clone of each decorator.
    const ComponentFields* Fields() const override;
    /// The kind selector and the add and remove buttons, then each decorator's own fields.
    void AddToTweakBar(TweakBar& bar, bool instanceOnly) override;

  private:
    static std::unique_ptr<Decorator> Make(int kind);
    /// The decorator of `kind` out of its slot, after its Remove; null if there is none.
    std::unique_ptr<Decorator> Take(int kind);
    /// Reads a decorator from every child of the component's element.
    void ReadDecorators(const XmlElement* element);

    std::array<std::unique_ptr<Decorator>, kKindCount> m_slots;
    bool m_registered = false;
    /// The panel's kind selector, shared by every DecoratorComp.
    static inline int s_selectedKind = 0;
};
