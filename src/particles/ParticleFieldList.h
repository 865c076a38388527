#pragma once

#include "objects/FieldList.h"
#include "particles/ParticleDecorator.h"

#include <string>

/// The field list of particle behaviour class T, reached through ParticleDecorator.
template <typename T> using ParticleFieldList = FieldList<T, ParticleDecorator>;

/// An empty field list for behaviour class T: written into a "Decorator" element and shown in
/// whatever panel group the effect passes, since one effect shows all its behaviours together.
template <typename T> ParticleFieldList<T> NewParticleFields()
{
    ParticleFieldList<T> list("Decorator");
    list.Group("");
    return list;
}
