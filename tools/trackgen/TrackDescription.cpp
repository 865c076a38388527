#include "TrackDescription.h"

#include <cmath>
#include <functional>
#include <map>
#include <sstream>

namespace
{
using Reader = std::function<bool(TrackDescription&, std::istringstream&)>;

template <typename T> Reader ReadOne(T TrackDescription::*field)
{
    return [field](TrackDescription& d, std::istringstream& in)
    {
        T value{};
        if (!(in >> value))
            return false;
        d.*field = value;
        return true;
    };
}

bool ReadPoint(TrackDescription& d, std::istringstream& in)
{
    TrackPoint p;
    if (!(in >> p.position.x >> p.position.z))
        return false;
    float value = 0.0f;
    if (in >> value)
        p.position.y = value;
    if (in >> value)
        p.width = value;
    if (in >> value)
        p.bankDegrees = value;
    d.points.push_back(p);
    return true;
}

// "sky ARCHETYPE [TEXTURE]"
bool ReadSky(TrackDescription& d, std::istringstream& in)
{
    if (!(in >> d.sky))
        return false;
    in >> d.skyTexture;
    return true;
}

bool ReadStretch(std::istringstream& in, TrackStretch& stretch)
{
    return (in >> stretch.at >> stretch.length) && stretch.at >= 0.0f && stretch.length > 0.0f;
}

// "gap AT LENGTH [RISE [RUN]]": a ramp climbs RISE over RUN units up to the gap's edge.
bool ReadGap(TrackDescription& d, std::istringstream& in)
{
    TrackGap gap;
    if (!(in >> gap.at >> gap.length) || gap.length <= 0.0f)
        return false;
    float rise = 0.0f, run = 0.0f;
    if (in >> rise)
        gap.rampRise = rise;
    if (in >> run)
        gap.rampRun = run;
    if (!(gap.rampRise >= 0.0f) || !(gap.rampRun >= 5.0f))
        return false;
    d.gaps.push_back(gap);
    return true;
}

// "open AT LENGTH"
bool ReadOpen(TrackDescription& d, std::istringstream& in)
{
    TrackStretch stretch;
    if (!ReadStretch(in, stretch))
        return false;
    d.openings.push_back(stretch);
    return true;
}

// "bridge AT LENGTH WIDTH [open]"
bool ReadBridge(TrackDescription& d, std::istringstream& in)
{
    TrackBridge bridge;
    if (!ReadStretch(in, bridge.stretch) || !(in >> bridge.width) || !(bridge.width >= 4.0f))
        return false;
    std::string sides;
    if (in >> sides)
    {
        if (sides != "open")
            return false;
        bridge.walls = false;
    }
    d.bridges.push_back(bridge);
    return true;
}

// "hazard HEIGHT TEXTURE [TILE]"
bool ReadHazard(TrackDescription& d, std::istringstream& in)
{
    TrackHazard hazard;
    if (!(in >> hazard.height >> hazard.texture))
        return false;
    float tile = 0.0f;
    if (in >> tile)
        hazard.tile = tile;
    if (!(hazard.tile >= 1.0f))
        return false;
    d.hazards.push_back(hazard);
    return true;
}

// "orbs SPACING [LATERAL...]"
bool ReadOrbs(TrackDescription& d, std::istringstream& in)
{
    float spacing = 0.0f;
    if (!(in >> spacing) || !(spacing >= 5.0f))
        return false;
    d.orbSpacing = spacing;
    d.orbLaterals.clear();
    for (float lateral = 0.0f; in >> lateral;)
        d.orbLaterals.push_back(lateral);
    if (d.orbLaterals.empty())
        d.orbLaterals.push_back(0.0f);
    return true;
}

// "boost AT [LATERAL]"
bool ReadBoost(TrackDescription& d, std::istringstream& in)
{
    TrackBoost boost;
    if (!(in >> boost.at) || boost.at < 0.0f)
        return false;
    in >> boost.lateral;
    d.boosts.push_back(boost);
    return true;
}

const std::map<std::string, Reader>& Readers()
{
    static const std::map<std::string, Reader> readers = {
        {"name", ReadOne(&TrackDescription::name)},
        {"width", ReadOne(&TrackDescription::width)},
        {"piece", ReadOne(&TrackDescription::pieceLength)},
        {"thickness", ReadOne(&TrackDescription::thickness)},
        {"wall_height", ReadOne(&TrackDescription::wallHeight)},
        {"wall_thickness", ReadOne(&TrackDescription::wallThickness)},
        {"node_spacing", ReadOne(&TrackDescription::nodeSpacing)},
        {"jump_lead_in", ReadOne(&TrackDescription::jumpLeadIn)},
        {"gates", ReadOne(&TrackDescription::gateCount)},
        {"cp_node_every", ReadOne(&TrackDescription::cpNodeEvery)},
        {"grid_offset", ReadOne(&TrackDescription::gridOffset)},
        {"point", ReadPoint},
        {"gap", ReadGap},
        {"sky", ReadSky},
        {"logic", ReadOne(&TrackDescription::logic)},
        {"orbs", ReadOrbs},
        {"boost", ReadBoost},
        {"ground_texture", ReadOne(&TrackDescription::groundTexture)},
        {"wall_texture", ReadOne(&TrackDescription::wallTexture)},
        {"open", ReadOpen},
        {"bridge", ReadBridge},
        {"hazard", ReadHazard},
    };
    return readers;
}

// A value too many is as much a mistake as one too few: "point 0 90 0 18 -6 2" means something.
bool HasLeftOver(std::istringstream& in)
{
    in.clear();
    std::string rest;
    return static_cast<bool>(in >> rest);
}

bool IsSane(const TrackDescription& d)
{
    return d.width > 0 && d.pieceLength > 0.5f && d.thickness > 0 && d.nodeSpacing > 0.5f &&
           d.gateCount >= 2 && d.cpNodeEvery >= 1 && std::isfinite(d.width + d.pieceLength + d.nodeSpacing);
}
} // namespace

TrackDescription ParseTrackDescription(const std::string& text, std::vector<std::string>& errors)
{
    TrackDescription description;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number)
    {
        line = line.substr(0, line.find('#'));
        std::istringstream in(line);
        std::string key;
        if (!(in >> key))
            continue;
        auto reader = Readers().find(key);
        if (reader == Readers().end() || !reader->second(description, in) || HasLeftOver(in))
            errors.push_back("line " + std::to_string(number) + ": cannot read '" + line + "'");
    }
    if (!IsSane(description))
        errors.push_back("sizes must be positive, with at least two gates");
    if (description.points.size() < 3)
        errors.push_back("a closed centre line needs at least three points");
    return description;
}
