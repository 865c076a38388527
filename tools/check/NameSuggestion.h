#pragma once

#include <string>
#include <vector>

/// "; did you mean 'X'?" when one of `known` differs from `wanted` only in case or by a typo or
/// two, otherwise an empty text. A name that differs only in case is preferred.
std::string DidYouMean(const std::string& wanted, const std::vector<std::string>& known);
