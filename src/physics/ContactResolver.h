#pragma once

struct Contact;

/// Decides which contacts get a physical response and answers them with an impulse (restitution
/// and friction) and a positional correction. Holds no state.
class ContactResolver
{
  public:
    /// True when each collider responds to the other's category.
    bool Filter(const Contact& contact) const;
    /// Normal impulse with the smaller restitution, then friction along the sliding direction.
    void ResolveVelocity(Contact& contact) const;
    /// Pushes the bodies apart by a quarter of the penetration beyond the slop.
    void CorrectPositions(const Contact& contact) const;
};
