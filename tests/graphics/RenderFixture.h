#pragma once

#include "graphics/ImageFile.h"
#include "math/Vector4.h"
#include "objects/GameObject.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Camera;
class MeshRenderer;

/// An RGBA pixel of a captured frame.
struct Pixel
{
    int r = 0, g = 0, b = 0, a = 0;
};

/// A real device on SDL's offscreen driver over a resource tree in a temporary folder: the
/// game's shaders and models, and whatever textures and extra files a test writes. Tests skip
/// where no OpenGL 3.3 driver exists.
class RenderFixture : public testing::Test
{
  protected:
    void SetUp() override;
    void TearDown() override;

    /// Writes a solid-colour PNG of `size` x `size` into res/textures/ (before StartDevice, or
    /// load it with LoadTexture after).
    void WriteTexture(const std::string& fileName, const Vector4& colour, int size = 8) const;
    /// Opens the window and the device; false (the test should return) when there is none.
    bool StartDevice();
    /// Draws one frame and returns its pixels.
    DecodedImage Frame();
    /// The pixel at (x, y) from the top left of `image`.
    static Pixel At(const DecodedImage& image, int x, int y);
    /// A game object with a Transform at `position` scaled by `scale` and, unless `mesh` is
    /// empty, a MeshRenderer; owned by the fixture, deleted before the device.
    GameObject& AddObject(const Vector4& position, float scale, const std::string& mesh,
                          const std::string& shader, const std::string& texture);
    /// The renderer of an object made by AddObject.
    static MeshRenderer& RendererOf(GameObject& object);
    /// Puts the system's default camera at `position` looking along `direction`.
    static void AimDefaultCamera(const Vector4& position, const Vector4& direction);

    TempFolder m_root;
    std::optional<ScopedWorkingDirectory> m_cwd;
    std::vector<std::unique_ptr<GameObject>> m_objects;
};

/// True when the pixel is clearly of the colour (r, g, b) given in 0..255 (within `tolerance`).
bool IsColour(const Pixel& pixel, int r, int g, int b, int tolerance = 40);
/// True when red clearly dominates the pixel (a lit red surface).
bool IsReddish(const Pixel& pixel);

/// Starts the device, or skips the test where the machine has no OpenGL 3.3 driver.
#define START_DEVICE_OR_SKIP()                                                                               \
    if (!StartDevice())                                                                                      \
    GTEST_SKIP() << "no OpenGL 3.3 driver on SDL's offscreen video driver (Mesa's llvmpipe is enough): "     \
                    "rendering is not tested here"
