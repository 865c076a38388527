#include "ImageImport.h"

#include <algorithm>
#include <stb_image_resize.h>

int NearestPowerOfTwo(int size)
{
    int lower = 1;
    while (lower * 2 <= size && lower < kMaxImportSize)
        lower *= 2;
    if (lower >= kMaxImportSize)
        return kMaxImportSize;
    // Nearer to the upper one when size / lower > upper / size, that is size² > lower × upper.
    const long long square = static_cast<long long>(size) * size;
    return square > 2LL * lower * lower ? lower * 2 : lower;
}

DecodedImage ResizeImage(const DecodedImage& image, int width, int height)
{
    if (image.width == width && image.height == height)
        return image;
    DecodedImage resized;
    resized.width = width;
    resized.height = height;
    resized.rgba.resize(static_cast<size_t>(width) * height * 4);
    stbir_resize_uint8_generic(image.rgba.data(), image.width, image.height, image.width * 4,
                               resized.rgba.data(), width, height, width * 4, 4, 3, 0, STBIR_EDGE_WRAP,
                               STBIR_FILTER_DEFAULT, STBIR_COLORSPACE_SRGB, nullptr);
    return resized;
}

bool IsOpaque(const DecodedImage& image)
{
    for (size_t i = 3; i < image.rgba.size(); i += 4)
        if (image.rgba[i] != 255)
            return false;
    return true;
}
