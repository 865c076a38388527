#include "graphics/ImageFile.h"

#include "graphics/TbmFile.h"

#include <algorithm>
#include <climits>
#include <stb_image.h>
#include <stb_image_write.h>
#include <string>
#include <string_view>

namespace
{
// The image library also reads these formats, and its 16-bit PNM path reads past the end of its
// buffer. No content needs them, so they are refused by their signature before it sees them.
const char* RefusedFormat(std::span<const unsigned char> bytes)
{
    const auto startsWith = [bytes](std::string_view magic)
    { return bytes.size() >= magic.size() && std::equal(magic.begin(), magic.end(), bytes.begin()); };
    if (startsWith("P5") || startsWith("P6"))
        return "PNM";
    if (startsWith("8BPS"))
        return "PSD";
    if (startsWith("#?RADIANCE") || startsWith("#?RGBE"))
        return "HDR";
    if (startsWith("\x53\x80\xF6\x34"))
        return "PIC";
    return nullptr;
}

// A few bytes of header can claim an image of gigabytes, which the library would allocate and fill
// with nothing. Larger than any texture the game draws (or a screenshot of a 4K screen).
constexpr int kMaxSide = 8192;
constexpr long long kMaxPixels = 4096LL * 4096;

// Why the image the header describes is too large, or empty when it is not.
std::string SizeProblem(std::span<const unsigned char> bytes)
{
    int width = 0, height = 0, channels = 0;
    if (!stbi_info_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels))
        return {};
    if (width <= kMaxSide && height <= kMaxSide && static_cast<long long>(width) * height <= kMaxPixels)
        return {};
    return "image of " + std::to_string(width) + " x " + std::to_string(height) +
           " pixels is too large (at most 8192 on a side and 4096 x 4096 in all)";
}

// Takes the pixels stb_image returned (null when it failed) into `out`.
bool AdoptPixels(unsigned char* pixels, int width, int height, DecodedImage& out, std::string& error)
{
    if (!pixels)
    {
        const char* reason = stbi_failure_reason();
        error = reason ? reason : "unknown error";
        return false;
    }
    // stb_image takes some headers with a zero side for an image, and hands back a buffer.
    if (width <= 0 || height <= 0)
    {
        stbi_image_free(pixels);
        error = "image has no pixels";
        return false;
    }
    out.width = width;
    out.height = height;
    out.rgba.assign(pixels, pixels + static_cast<size_t>(width) * height * 4);
    stbi_image_free(pixels);
    return true;
}
} // namespace

bool DecodeImageFile(const std::string& path, DecodedImage& out, std::string& error)
{
    std::vector<unsigned char> bytes;
    if (!ReadFileBytes(path, bytes))
    {
        error = "can't fopen";
        return false;
    }
    return DecodeImageBytes(bytes, out, error);
}

bool DecodeImageBytes(std::span<const unsigned char> bytes, DecodedImage& out, std::string& error)
{
    if (bytes.size() > static_cast<size_t>(INT_MAX))
    {
        error = "file too large";
        return false;
    }
    if (const char* format = RefusedFormat(bytes))
    {
        error = std::string(format) + " images are not read (PNG, JPEG, BMP, TGA and GIF are)";
        return false;
    }
    if (error = SizeProblem(bytes); !error.empty())
        return false;
    int width = 0, height = 0, channels = 0;
    // Textures are addressed with v growing downwards, so rows stay top first.
    unsigned char* pixels =
        stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels, 4);
    return AdoptPixels(pixels, width, height, out, error);
}

namespace
{
DecodedImage HalfSize(const DecodedImage& image)
{
    DecodedImage half;
    half.width = std::max(1, image.width / 2);
    half.height = std::max(1, image.height / 2);
    half.rgba.resize(static_cast<size_t>(half.width) * half.height * 4);
    auto at = [&image](int x, int y, int c)
    {
        x = std::min(x, image.width - 1);
        y = std::min(y, image.height - 1);
        return static_cast<unsigned>(image.rgba[(static_cast<size_t>(y) * image.width + x) * 4 + c]);
    };
    for (int y = 0; y < half.height; ++y)
        for (int x = 0; x < half.width; ++x)
            for (int c = 0; c < 4; ++c)
            {
                const unsigned sum = at(2 * x, 2 * y, c) + at(2 * x + 1, 2 * y, c) + at(2 * x, 2 * y + 1, c) +
                                     at(2 * x + 1, 2 * y + 1, c);
                half.rgba[(static_cast<size_t>(y) * half.width + x) * 4 + c] =
                    static_cast<unsigned char>((sum + 2) / 4);
            }
    return half;
}
} // namespace

std::vector<DecodedImage> BuildMipChain(DecodedImage image)
{
    std::vector<DecodedImage> levels;
    if (image.IsEmpty())
        return levels;
    levels.push_back(std::move(image));
    while (levels.back().width > 1 || levels.back().height > 1)
        levels.push_back(HalfSize(levels.back()));
    return levels;
}

bool WritePngFile(const std::string& path, const DecodedImage& image, int channels)
{
    if (image.IsEmpty() || (channels != 3 && channels != 4))
        return false;
    if (channels == 4)
        return stbi_write_png(path.c_str(), image.width, image.height, 4, image.rgba.data(),
                              image.width * 4) != 0;
    std::vector<unsigned char> rgb;
    rgb.reserve(image.rgba.size() / 4 * 3);
    for (size_t i = 0; i < image.rgba.size(); i += 4)
        rgb.insert(rgb.end(), image.rgba.begin() + static_cast<std::ptrdiff_t>(i),
                   image.rgba.begin() + static_cast<std::ptrdiff_t>(i + 3));
    return stbi_write_png(path.c_str(), image.width, image.height, 3, rgb.data(), image.width * 3) != 0;
}
