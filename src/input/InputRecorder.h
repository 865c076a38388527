#pragma once

#include "input/PadState.h"
#include "input/Replay.h"

#include <array>
#include <cstdint>
#include <functional>
#include <utility>

class InputSystem;

/// Writes down, frame by frame, the raw input the game saw (keys, pads as read, focus) and the
/// frame times, as changes only: enough to drive the same frames again. The input system calls
/// it at the end of every frame while a recording runs.
class InputRecorder
{
  public:
    /// What the world's hash is at the end of a frame (the layers above know the world).
    using Hasher = std::function<uint64_t()>;

    /// Who tells the world's hash; set once by the composition root.
    static void SetWorldHasher(Hasher hasher) { s_hasher = std::move(hasher); }

    /// Begins a recording in the current frame, its frame 0: what is held now counts as changed.
    void Start(const InputSystem& input);
    /// Whether a recording runs.
    bool IsRecording() const { return m_recording; }
    /// End of a frame: the changes since the last one, the frame time and the world's hash.
    void EndFrame(const InputSystem& input, float dt, bool focused);
    /// Ends the recording: frames, frame times, input and the last frame's hash; the seats, seed
    /// and track are the caller's to fill in.
    Replay Stop();

    /// The key table's size (the input system's).
    static constexpr int kKeyCount = 136;

  private:
    struct PadSeen
    {
        bool connected = false;
        PadState state;
    };

    void AddKeys(const InputSystem& input);
    void AddPad(int slot, bool connected, const PadState& state);
    void AddPadInputs(int slot, const PadState& before, const PadState& now);
    void AddFocus(bool focused);
    void Add(InputScript::Event event);

    bool m_recording = false;
    Replay m_replay;
    static inline Hasher s_hasher;
    std::array<bool, kKeyCount> m_keys{};
    std::array<PadSeen, 4> m_pads{};
    bool m_focused = true;
};
