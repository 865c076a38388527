#pragma once

/// The one place that knows every layer: it builds the system table, registers the component
/// creators subsystem by subsystem, and fills each interface a lower layer owns with the higher
/// layer that answers it. The game, the runner, the tests and the benchmarks call it first.
class CompositionRoot
{
  public:
    /// Wires everything; later calls do nothing. Constructs no system: each is still created on
    /// first use by its Instance() accessor.
    static void Compose();
};
