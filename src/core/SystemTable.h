#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

class System;

/// The systems as (name, instance), in the order of the name table.
using SystemList = std::vector<std::pair<std::string, System*>>;

/// Gives the table its builder. The systems live in the layers above core, so the composition
/// root supplies it; it runs on the first AllSystems() call after this.
void SetSystemTableBuilder(std::function<SystemList()> builder);

/// The fourteen systems as (name, instance), in the order of the name table, constructed by
/// their Instance() accessors in that order on the first call; empty while there is no builder.
const SystemList& AllSystems();

/// AllSystems() as a name-to-system map.
std::map<std::string, System*> DefaultSystemsByName();
