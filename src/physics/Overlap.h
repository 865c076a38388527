#pragma once

#include "physics/Contact.h"
#include "physics/Volume.h"

/// The pairwise overlap tests. Each reads two volumes, returns 1 when they overlap and 0 when
/// not, and on overlap writes the contact's point, normal and penetration (the colliders of the
/// contact are not read, so the tests run without any engine state).
namespace Overlap
{
/// Both volumes as axis-aligned boxes; the normal is the axis of least overlap, signed towards b.
int BoxBox(const Volume& a, const Volume& b, Contact& contact);
/// Sphere `sphere` (radius half.x) against the axis-aligned box `box`; the normal points from
/// the sphere towards the box.
int SphereBox(const Volume& sphere, const Volume& box, Contact& contact);
/// Two spheres; coincident centres give penetration a's radius along +x.
int SphereSphere(const Volume& a, const Volume& b, Contact& contact);
/// The sphere test carried out in the oriented box's frame; the normal points from the box
/// towards the sphere.
int OrientedBoxSphere(const Volume& box, const Volume& sphere, Contact& contact);
/// Separating axes between oriented box `a` and box `b`; with `worldAxesForB` b's candidate axes
/// are the world axes while its extent still follows its rotation. Penetration is zero or
/// negative and the normal is not turned towards b.
int OrientedBoxBox(const Volume& a, const Volume& b, bool worldAxesForB, Contact& contact);
} // namespace Overlap
