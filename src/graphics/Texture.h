#pragma once

#include <vector>

struct DecodedImage;

/// One texture of the texture table; empty until an image is uploaded into it (and for good if
/// its file could not be decoded). Sampled with repeat, trilinear and anisotropic filtering.
class Texture
{
  public:
    Texture() = default;
    ~Texture() { Release(); }
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    /// Creates the device texture from `levels` (an image and its mipmaps, see BuildMipChain),
    /// filtered with up to `anisotropy` samples (1: trilinear only); false if there is nothing
    /// to upload.
    bool Upload(const std::vector<DecodedImage>& levels, float anisotropy);
    /// Deletes the device texture; the entry stays, empty.
    void Release();

    /// Whether an image was uploaded.
    bool IsLoaded() const { return m_texture != 0; }
    /// The device texture, 0 when empty.
    unsigned Id() const { return m_texture; }
    /// Width of the top level in pixels, 0 when empty.
    int Width() const { return m_width; }
    /// Height of the top level in pixels, 0 when empty.
    int Height() const { return m_height; }

  private:
    unsigned m_texture = 0;
    int m_width = 0;
    int m_height = 0;
};
