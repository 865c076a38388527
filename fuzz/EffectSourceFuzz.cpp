// .fx effect sources with includes. The input holds files separated by NUL bytes: the first is
// the effect, every include names one of the others (picked by the name's characters, so an
// include may reach itself), and names starting with "missing" find nothing.
#include "graphics/EffectSource.h"
#include "support/ByteReader.h"

#include <cstdint>
#include <numeric>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<std::string> files = ByteReader::Split(data, size, '\0');
    const IncludeReader reader = [&files](const std::string& name) -> std::optional<std::string>
    {
        if (files.size() < 2 || name.starts_with("missing"))
            return std::nullopt;
        const unsigned pick =
            std::accumulate(name.begin(), name.end(), 0u,
                            [](unsigned sum, char c) { return sum + static_cast<unsigned char>(c); });
        return files[1 + pick % (files.size() - 1)];
    };
    ParseEffectSource(files.front(), reader);
    return 0;
}
