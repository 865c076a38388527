#pragma once

#include <span>
#include <string>
#include <vector>

/// An image in memory: RGBA bytes, rows from the top.
struct DecodedImage
{
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba;

    /// Whether there are no pixels.
    bool IsEmpty() const { return width <= 0 || height <= 0 || rgba.empty(); }
};

/// Decodes an image file (PNG, JPEG, TGA, BMP ...) into RGBA; false with the reason in `error`.
/// Safe on any thread.
bool DecodeImageFile(const std::string& path, DecodedImage& out, std::string& error);
/// DecodeImageFile of a file's bytes already in memory.
bool DecodeImageBytes(std::span<const unsigned char> bytes, DecodedImage& out, std::string& error);
/// `image` followed by its mipmaps, each half the size of the one before (box filtered) down to
/// 1 x 1. Built on the decoding threads so the main thread only uploads.
std::vector<DecodedImage> BuildMipChain(DecodedImage image);

/// Writes `image` as a PNG file with 4 (RGBA) or 3 (RGB, alpha dropped) channels; false if it
/// cannot be written.
bool WritePngFile(const std::string& path, const DecodedImage& image, int channels = 4);
