#pragma once

#include <cstddef>
#include <deque>

/// Keeps the driver at most a few frames behind the frames handed to it. Without vertical sync
/// (the game presents at once, the runner draws back to back) a software rasteriser queues
/// every frame it is given; the queue is only drained when some later call must wait for it,
/// so one frame would pay for the backlog of dozens and input would reach the screen late.
class FramePacer
{
  public:
    /// `framesInFlight`: how many presented frames may still be drawing; at least 1.
    explicit FramePacer(size_t framesInFlight = 2);
    ~FramePacer();
    FramePacer(const FramePacer&) = delete;
    FramePacer& operator=(const FramePacer&) = delete;

    /// After a frame is presented: marks it and waits until no more than the allowed frames
    /// before it are still drawing.
    void FramePresented();
    /// Forgets every mark without waiting; for a context that is going away.
    void Release();
    /// Frames marked and not yet known to be drawn.
    size_t Pending() const { return m_fences.size(); }

  private:
    size_t m_framesInFlight;
    std::deque<void*> m_fences;
};
