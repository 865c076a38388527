#pragma once

#include "check/Check.h"

/// Files the engine itself asks for by name: the start-up textures, the debug and HUD meshes and
/// effects, the renderer's default textures and the loading scene.
class EngineFilesCheck final : public Check
{
  public:
    const char* Name() const override { return "files the engine needs"; }
    void Run(const ContentTree& tree, ProblemReport& report) const override;
};
