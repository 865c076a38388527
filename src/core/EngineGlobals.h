#pragma once

#include <map>
#include <string>
#include <vector>

class System;

/// The fourteen systems by name, filled when the Engine is constructed.
extern std::map<std::string, System*> systemsByName;
/// Track index (0, 1, 2 ... in file order) to track name, from res/TrackList.xml.
extern std::map<int, std::string> realTrackNames;
/// The track names shown to the player, in file order.
extern std::vector<std::string> displayTrackNames;
