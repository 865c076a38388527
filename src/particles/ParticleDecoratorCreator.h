#pragma once

#include "particles/ParticleDecorator.h"

#include <memory>

/// Makes new behaviours of one class; the effect's loader keeps one per type number.
class ParticleDecoratorCreator
{
  public:
    virtual ~ParticleDecoratorCreator() = default;
    /// A new behaviour with default settings.
    virtual std::unique_ptr<ParticleDecorator> Create() const = 0;
};

/// The creator of behaviour class T.
template <typename T> class ParticleDecoratorCreatorType final : public ParticleDecoratorCreator
{
  public:
    std::unique_ptr<ParticleDecorator> Create() const override { return std::make_unique<T>(); }
};
