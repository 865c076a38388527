#pragma once

#include "core/WindowManager.h"
#include "graphics/GraphicsSystem.h"

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

/// Runs `setUp` with standard output sent to /dev/null, so start-up lines stay out of the
/// benchmark's table; returns what `setUp` returns.
template <typename SetUp> auto Quietly(SetUp setUp)
{
    std::fflush(stdout);
    const int saved = dup(1);
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, 1);
    auto result = setUp();
    std::fflush(stdout);
    dup2(saved, 1);
    close(devNull);
    close(saved);
    return result;
}

/// Works from the source tree with a real window on SDL's offscreen driver, as rendered
/// benchmarks need.
inline void UseOffscreenWindow()
{
    std::filesystem::current_path(VANTORA_SOURCE_DIR);
    WindowManager::Instance().SetHeadless(false);
    WindowManager::Instance().UseOffscreenDriver();
    GraphicsSystem::Instance().SetFullscreen(false);
}
