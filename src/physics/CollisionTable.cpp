#include "physics/CollisionTable.h"

#include "physics/Collider.h"
#include "physics/Contact.h"
#include "physics/Overlap.h"

#include <utility>

namespace
{
int BoxBox(Contact& c)
{
    return Overlap::BoxBox(c.a->GetVolume(false), c.b->GetVolume(false), c);
}

int SphereBox(Contact& c)
{
    return Overlap::SphereBox(c.a->GetVolume(false), c.b->GetVolume(false), c);
}

int SphereSphere(Contact& c)
{
    return Overlap::SphereSphere(c.a->GetVolume(false), c.b->GetVolume(false), c);
}

int OrientedBoxSphere(Contact& c)
{
    return Overlap::OrientedBoxSphere(c.a->GetVolume(true), c.b->GetVolume(false), c);
}

int OrientedBoxAabb(Contact& c)
{
    // The box's candidate axes are the world's, but its extent still follows its Transform's
    // rotation: kept as the game has always measured it.
    return Overlap::OrientedBoxBox(c.a->GetVolume(true), c.b->GetVolume(true), true, c);
}

int OrientedBoxBox(Contact& c)
{
    return Overlap::OrientedBoxBox(c.a->GetVolume(true), c.b->GetVolume(true), false, c);
}

template <CollisionTable::Test test> int Swapped(Contact& c)
{
    std::swap(c.a, c.b);
    return test(c);
}

int Index(VolumeType a, VolumeType b)
{
    return static_cast<int>(a) * kVolumeTypeCount + static_cast<int>(b);
}

bool InTable(VolumeType type)
{
    return static_cast<int>(type) >= 0 && static_cast<int>(type) < kVolumeTypeCount;
}
} // namespace

CollisionTable::CollisionTable()
    : m_tests{BoxBox,          Swapped<SphereBox>, Swapped<OrientedBoxAabb>,   // a is a box
              SphereBox,       SphereSphere,       Swapped<OrientedBoxSphere>, // a is a sphere
              OrientedBoxAabb, OrientedBoxSphere,  OrientedBoxBox}             // a is an oriented box
{
}

CollisionTable::Test CollisionTable::Find(VolumeType a, VolumeType b) const
{
    return InTable(a) && InTable(b) ? m_tests[Index(a, b)] : nullptr;
}

int CollisionTable::Detect(Contact& contact) const
{
    const Test test = Find(contact.a->GetVolumeType(), contact.b->GetVolumeType());
    if (!test || test(contact) < 1)
        return 0;
    contact.a->AddTouched(contact.b);
    contact.b->AddTouched(contact.a);
    return 1;
}
