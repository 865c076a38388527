#pragma once

#include "graphics/ImageFile.h"

#include <mutex>
#include <string>
#include <vector>

/// Decodes texture files on worker threads. OpenGL belongs to the main thread, so the images
/// wait here until the main thread takes and uploads them.
class TextureDecoder
{
  public:
    /// One file to decode into the texture-table entry `key`.
    struct Job
    {
        std::string key;
        std::string path;
    };
    /// A decoded file with its mipmaps (or the reason it could not be decoded).
    struct Result
    {
        std::string key;
        std::string path;
        std::vector<DecodedImage> levels;
        std::string error;
    };

    /// Decodes one file and builds its mipmaps; any thread.
    static Result Decode(const Job& job);

    /// Replaces the jobs to run; main thread, before decoding starts.
    void SetJobs(std::vector<Job> jobs) { m_jobs = std::move(jobs); }
    /// Files queued for decoding.
    size_t JobCount() const { return m_jobs.size(); }
    /// Decodes every job on up to `threads` threads (the calling one included) and returns when
    /// all are done. Results become available to TakeFinished as each one finishes.
    void DecodeAll(unsigned threads);
    /// The results finished since the last call; any thread.
    std::vector<Result> TakeFinished();

  private:
    void DecodeFrom(size_t first, size_t step);

    std::vector<Job> m_jobs;
    std::mutex m_mutex;
    std::vector<Result> m_finished;
};
