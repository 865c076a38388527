#pragma once

#include <string>
#include <utility>
#include <vector>

/// One hand-written line of the component reference: what a field means (or, with an empty
/// `field`, what the whole part is for).
struct FieldMeaning
{
    /// A line of the table; lists add an example item.
    FieldMeaning(std::string part, std::string field, std::string text, std::string sample = "")
        : part(std::move(part)), field(std::move(field)), text(std::move(text)), sample(std::move(sample))
    {
    }

    std::string part;   ///< the element of the component or nested part ("Camera", "Mover", "DT_Scale")
    std::string field;  ///< the field's name in files; empty for the part's own summary
    std::string text;   ///< one short line
    std::string sample; ///< for a list: an item value the reference's example shows
};

/// The meanings of every described field, written by hand in one table, and handed out to the
/// reference generator field by field. Fields that share a name within one part (the camera's
/// three "offset" vectors) take the part's entries of that name in order. Whatever the generator
/// never asks for is stale and is listed by `Unclaimed`.
class FieldMeanings
{
  public:
    /// The table shipped with the tool: every field of every component the game registers.
    static FieldMeanings Shipped();
    /// The lines of the eighteen particle behaviours, keyed by behaviour name (part of Shipped).
    static std::vector<FieldMeaning> ParticleBehaviours();
    explicit FieldMeanings(std::vector<FieldMeaning> meanings);

    /// The next unclaimed meaning of `field` in `part`, claimed now; null when there is none.
    const FieldMeaning* Claim(const std::string& part, const std::string& field);
    /// The example item of a list field (the first entry of that name), or empty.
    std::string Sample(const std::string& part, const std::string& field) const;
    /// "part/field" of every entry nobody claimed, in table order.
    std::vector<std::string> Unclaimed() const;

  private:
    std::vector<FieldMeaning> m_meanings;
    std::vector<bool> m_claimed;
};
