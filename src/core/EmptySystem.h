#pragma once

#include "core/System.h"

/// A System whose slots do nothing until a subclass overrides them.
class EmptySystem : public System
{
  public:
    void Init() override {}
    void PreUpdate() override {}
    void Update() override {}
    void PostUpdate() override {}
};
