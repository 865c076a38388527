#pragma once

#include "TrackDescription.h"
#include "TrackLayout.h"
#include "graphics/VertexLayout.h"

#include <string>
#include <vector>

/// What a track looks like, apart from what it is made of: the boards and the walls as single
/// meshes that follow the centre line without a join. The ground pieces and walls of the layout
/// stay as the boxes that balls hover over and bounce off, but straight boxes can only cover a
/// curve by overlapping, and overlapping faces fight over the same pixels.
///
/// Texture coordinates are in world units. Boards: u across the track from the centre line, v
/// along it from the finish line, second coordinate x the half width there. Walls: u along the
/// track and v down the face on the sides; across the coping and along the track on top.
struct TrackSurface
{
    std::vector<ModelVertex> ground;
    std::vector<ModelVertex> walls;
};

/// Builds both meshes over the ground spans of `layout`, closing them with end faces at gaps.
TrackSurface BuildTrackSurface(const TrackDescription& description, const TrackLayout& layout);

/// Writes model vertices as a .tbm file; false if it cannot be written.
bool WriteModelMesh(const std::vector<ModelVertex>& vertices, const std::string& path);
