// Texture files as the loading threads take them: decoded, then the mipmap chain built.
#include "graphics/ImageFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    DecodedImage image;
    std::string error;
    if (!DecodeImageBytes({data, size}, image, error))
        return 0;
    if (image.rgba.size() != static_cast<size_t>(image.width) * image.height * 4)
    {
        std::printf("decoded %d x %d image holds %zu bytes\n", image.width, image.height, image.rgba.size());
        std::abort();
    }
    const std::vector<DecodedImage> levels = BuildMipChain(std::move(image));
    if (levels.empty() || levels.back().width != 1 || levels.back().height != 1)
        std::abort();
    return 0;
}
