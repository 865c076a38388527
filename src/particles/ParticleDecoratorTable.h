#pragma once

#include "particles/ParticleDecorator.h"

#include <memory>
#include <string>
#include <vector>

class FieldDescription;

/// The eighteen particle behaviours by type number and by the name effect files select them
/// with ("SphereSpawner" is 0 ... "Rotation" is 17). It depends on nothing but the behaviours, so
/// the emitter, the renderer and the content checker can all use it.
class ParticleDecoratorTable
{
  public:
    static constexpr int kCount = 18;

    /// A behaviour's name and a description of its fields, for tools.
    struct Entry
    {
        std::string name;
        const FieldDescription* fields = nullptr;
    };

    /// The type number of `name` (exact, case-sensitive), or -1 for any other name.
    static int TypeOf(const std::string& name);
    /// The name of type number `type`, or "" outside 0..17.
    static std::string NameOf(int type);
    /// A new behaviour of type `type` with its type number set; null outside 0..17.
    static std::unique_ptr<ParticleDecorator> CreateDecorator(int type);
    /// Every behaviour in type order.
    static std::vector<Entry> All();
};
