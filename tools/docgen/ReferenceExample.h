#pragma once

#include "objects/ComponentType.h"

#include <string>

class FieldMeanings;

/// The XML a new component of `type` writes as part of an archetype, indented for a page, with
/// one item from `meanings`' samples in each list that would be empty and, for a DecoratorComp,
/// both decorators. Empty when the Factory has no creator for the type.
std::string ReferenceExample(ComponentType type, const FieldMeanings& meanings);

/// The "Decorator" element a new particle behaviour of type number `type` writes, indented for a
/// page. Empty for an unknown type number.
std::string BehaviourExample(int type);
