#include "graphics/FramePacer.h"

#include "graphics/RenderDevice.h"

#include <algorithm>
#include <epoxy/gl.h>

namespace
{
// Long enough for any real frame, short enough that a lost device cannot hang the game.
constexpr GLuint64 kWaitNanoseconds = 2'000'000'000;
} // namespace

FramePacer::FramePacer(size_t framesInFlight) : m_framesInFlight(std::max<size_t>(framesInFlight, 1)) {}

FramePacer::~FramePacer()
{
    Release();
}

void FramePacer::FramePresented()
{
    if (!RenderDevice::IsContextAlive())
        return;
    GLsync fence = glFenceSync(GL_SYNC_GPU_COMMANDS_COMPLETE, 0);
    if (fence)
        m_fences.push_back(fence);
    while (m_fences.size() > m_framesInFlight)
    {
        GLsync oldest = static_cast<GLsync>(m_fences.front());
        m_fences.pop_front();
        glClientWaitSync(oldest, GL_SYNC_FLUSH_COMMANDS_BIT, kWaitNanoseconds);
        glDeleteSync(oldest);
    }
}

void FramePacer::Release()
{
    if (RenderDevice::IsContextAlive())
        for (void* fence : m_fences)
            glDeleteSync(static_cast<GLsync>(fence));
    m_fences.clear();
}
