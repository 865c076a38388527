#pragma once

#include "graphics/ImageFile.h"

#include <string>

class Engine;

/// The level select's picture of a track, drawn from the track itself: its scene is loaded
/// without racers or scripts, seen from high above and behind the finish line, and one rendered
/// frame is scaled down to the size the level select shows it at.
class TrackPreview
{
  public:
    /// The picture's size: the level select draws it over 0.45 of a 1280 x 720 window each way.
    static constexpr int kWidth = 576;
    static constexpr int kHeight = 324;

    /// Renders scene `track` (needs a graphics device) and writes the picture to `path`; false,
    /// with one line on standard output, when the scene has no track or the file cannot be written.
    static bool Render(Engine& engine, const std::string& track, const std::string& path);

    /// `image` scaled to `width` x `height`, each pixel the average of the source pixels it covers.
    static DecodedImage Shrink(const DecodedImage& image, int width, int height);
};
