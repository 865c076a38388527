#include "check/NameSuggestion.h"

#include <algorithm>
#include <cctype>
#include <numeric>

namespace
{
std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Case is left out so that "gate" is as close to "Gate" as it can be.
size_t EditDistance(const std::string& a, const std::string& b)
{
    std::vector<size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), size_t{0});
    for (size_t i = 1; i <= a.size(); ++i)
    {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j)
        {
            const size_t substitute = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
            diagonal = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, substitute});
        }
    }
    return row[b.size()];
}
} // namespace

std::string DidYouMean(const std::string& wanted, const std::vector<std::string>& known)
{
    const std::string lowerWanted = Lower(wanted);
    // A slip of a letter or two, or a swap; beyond that a guess would mislead more than help.
    const size_t limit = std::max<size_t>(2, wanted.size() / 3);
    const std::string* best = nullptr;
    size_t bestDistance = limit + 1;
    for (const std::string& name : known)
    {
        if (name == wanted)
            continue;
        const size_t distance = EditDistance(lowerWanted, Lower(name));
        if (distance < bestDistance)
        {
            best = &name;
            bestDistance = distance;
        }
    }
    return best ? "; did you mean '" + *best + "'?" : "";
}
