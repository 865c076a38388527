#include "graphics/TextureDecoder.h"

#include <algorithm>
#include <thread>

void TextureDecoder::DecodeAll(unsigned threads)
{
    const size_t count = std::max<size_t>(1, std::min<size_t>(threads, m_jobs.size()));
    std::vector<std::thread> helpers;
    for (size_t i = 1; i < count; ++i)
        helpers.emplace_back([this, i, count] { DecodeFrom(i, count); });
    DecodeFrom(0, count);
    for (std::thread& helper : helpers)
        helper.join();
}

void TextureDecoder::DecodeFrom(size_t first, size_t step)
{
    for (size_t i = first; i < m_jobs.size(); i += step)
    {
        Result result = Decode(m_jobs[i]);
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_finished.push_back(std::move(result));
    }
}

TextureDecoder::Result TextureDecoder::Decode(const Job& job)
{
    Result result{job.key, job.path, {}, {}};
    DecodedImage image;
    if (DecodeImageFile(job.path, image, result.error))
        result.levels = BuildMipChain(std::move(image));
    return result;
}

std::vector<TextureDecoder::Result> TextureDecoder::TakeFinished()
{
    std::vector<Result> finished;
    const std::lock_guard<std::mutex> lock(m_mutex);
    finished.swap(m_finished);
    return finished;
}
