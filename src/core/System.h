#pragma once

/// An engine service called by the main loop in the order res/SystemData.xml gives.
class System
{
  public:
    virtual ~System() = default;
    /// Once, for the systems listed under "UM_Init".
    virtual void Init() = 0;
    /// Each frame, first, for the systems listed under "UM_Pre".
    virtual void PreUpdate() = 0;
    /// Each frame, for the systems listed under "UM_Update".
    virtual void Update() = 0;
    /// Each frame, last, for the systems listed under "UM_Post".
    virtual void PostUpdate() = 0;
    /// Never called by the engine; kept for the interface's shape.
    virtual void HandleMessage(void* /*message*/) {}
};
