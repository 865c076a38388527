#include "gameplay/RaceStats.h"

RaceStats& RaceStats::Instance()
{
    static RaceStats instance;
    return instance;
}

std::optional<RaceStats::Stat> RaceStats::StatNamed(std::string_view name)
{
    if (name == "powers")
        return Stat::Powers;
    if (name == "hits")
        return Stat::Hits;
    if (name == "hit_by")
        return Stat::HitBy;
    if (name == "respawns")
        return Stat::Respawns;
    return std::nullopt;
}

bool RaceStats::Count(int player, Stat stat)
{
    if (player < 0 || player >= kPlayers)
        return false;
    Counts& counts = m_counts[static_cast<size_t>(player)];
    switch (stat)
    {
    case Stat::Powers:
        ++counts.powers;
        break;
    case Stat::Hits:
        ++counts.hits;
        break;
    case Stat::HitBy:
        ++counts.hitBy;
        break;
    case Stat::Respawns:
        ++counts.respawns;
        break;
    }
    return true;
}

RaceStats::Counts RaceStats::Get(int player) const
{
    if (player < 0 || player >= kPlayers)
        return {};
    return m_counts[static_cast<size_t>(player)];
}

void RaceStats::Reset()
{
    m_counts.fill({});
}
