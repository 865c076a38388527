#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

class Engine;

/// The engine as the harnesses need it, made once per process: the layers wired, a private copy
/// of a small data tree (archetypes, a scene, scripts, particle effects) entered as the working
/// directory, the engine without a window, the script host with tight limits so no input hangs,
/// and the Factory with its archetypes.
class FuzzWorld
{
  public:
    /// Instructions one script call may run before it is stopped.
    static constexpr long long kInstructions = 200'000;
    /// Bytes one script state may hold.
    static constexpr size_t kMemory = 4u * 1024 * 1024;
    /// The frame time every frame runs with.
    static constexpr float kFrameTime = 1.0f / 60.0f;

    /// The world of this process, made on first use.
    static FuzzWorld& Get();
    ~FuzzWorld();
    FuzzWorld(const FuzzWorld&) = delete;
    FuzzWorld& operator=(const FuzzWorld&) = delete;

    /// Writes the bytes to `relative` under the private tree ("res/scene/fuzzed.xml").
    void Write(const std::string& relative, const uint8_t* data, size_t size) const;
    /// Loads the tree's scene "scripted" into object list 0.
    void LoadScene() const;
    /// Runs one frame of the components Logic drives, then the deferred deletions.
    void RunFrame() const;
    /// Deletes every object of both lists, so the next input starts from an empty world.
    void Clear() const;

  private:
    FuzzWorld();

    std::filesystem::path m_root;
    std::unique_ptr<Engine> m_engine;
};
