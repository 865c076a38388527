#pragma once

#include "graphics/ImageFile.h"

/// The largest side an imported picture keeps; larger ones are scaled down to it.
inline constexpr int kMaxImportSize = 2048;

/// The power of two nearest to `size`, measured by ratio (up to 362 gives 256, from 363 on 512),
/// from 1 to kMaxImportSize.
int NearestPowerOfTwo(int size);

/// `image` resized to `width` x `height`: Mitchell-Netravali filter when shrinking and Catmull-Rom
/// when enlarging (stb_image_resize's defaults), in linear light (sRGB decoded), colours weighted
/// by alpha, and wrapping at the edges because the game repeats its textures.
DecodedImage ResizeImage(const DecodedImage& image, int width, int height);

/// Whether every pixel is fully opaque, so the alpha channel can be left out of the file.
bool IsOpaque(const DecodedImage& image);
