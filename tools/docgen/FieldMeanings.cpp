#include "docgen/FieldMeanings.h"

FieldMeanings::FieldMeanings(std::vector<FieldMeaning> meanings)
    : m_meanings(std::move(meanings)), m_claimed(m_meanings.size(), false)
{
}

const FieldMeaning* FieldMeanings::Claim(const std::string& part, const std::string& field)
{
    for (size_t i = 0; i < m_meanings.size(); ++i)
        if (!m_claimed[i] && m_meanings[i].part == part && m_meanings[i].field == field)
        {
            m_claimed[i] = true;
            return &m_meanings[i];
        }
    return nullptr;
}

std::string FieldMeanings::Sample(const std::string& part, const std::string& field) const
{
    for (const FieldMeaning& meaning : m_meanings)
        if (meaning.part == part && meaning.field == field)
            return meaning.sample;
    return "";
}

std::vector<std::string> FieldMeanings::Unclaimed() const
{
    std::vector<std::string> names;
    for (size_t i = 0; i < m_meanings.size(); ++i)
        if (!m_claimed[i])
            names.push_back(m_meanings[i].part + "/" + m_meanings[i].field);
    return names;
}
