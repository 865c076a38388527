#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

class System;

/// The fourteen systems as (name, instance), in the order of the name table, constructed by
/// their Instance() accessors in that order on the first call.
const std::vector<std::pair<std::string, System*>>& AllSystems();

/// AllSystems() as a name-to-system map.
std::map<std::string, System*> DefaultSystemsByName();
