#pragma once

#include "physics/CollisionTypes.h"

struct Contact;

/// The 3 x 3 table of overlap tests indexed by the two colliders' volume types. Mixed pairs are
/// swapped in the contact first, so that a is the collider with the higher volume type.
class CollisionTable
{
  public:
    /// One table entry: 1 for overlap, 0 for none.
    using Test = int (*)(Contact& contact);

    CollisionTable();

    /// Runs the entry for the contact's pair; on overlap each collider records the other as
    /// touched. Returns 1 for overlap, 0 for none.
    int Detect(Contact& contact) const;
    /// The entry for a pair of volume types, or null for a type outside the table.
    Test Find(VolumeType a, VolumeType b) const;

  private:
    Test m_tests[kVolumeTypeCount * kVolumeTypeCount];
};
