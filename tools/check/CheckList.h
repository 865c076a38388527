#pragma once

#include "check/Check.h"

#include <memory>
#include <vector>

class KnownFields;

/// Every check, in the order they report. A new kind of content adds its class here.
std::vector<std::unique_ptr<Check>> MakeChecks(const KnownFields& fields);

/// Runs every check over `tree`; what they find lands in `report`.
void RunChecks(const ContentTree& tree, const KnownFields& fields, ProblemReport& report);
