#include "graphics/VertexBuffer.h"

#include <epoxy/gl.h>

bool VertexBuffer::Create(RenderDevice& device, const VertexLayout& layout, const void* data,
                          uint32_t capacity, bool dynamic)
{
    Release();
    m_device = &device;
    m_stride = layout.stride;
    m_capacity = capacity;
    glGenVertexArrays(1, &m_vertexArray);
    glGenBuffers(1, &m_buffer);
    device.BindVertexArray(m_vertexArray);
    glBindBuffer(GL_ARRAY_BUFFER, m_buffer);
    const auto bytes = static_cast<GLsizeiptr>(static_cast<uint64_t>(capacity) * m_stride);
    glBufferData(GL_ARRAY_BUFFER, bytes, data, dynamic ? GL_DYNAMIC_DRAW : GL_STATIC_DRAW);
    for (size_t i = 0; i < layout.elements.size(); ++i)
    {
        const VertexElement& element = layout.elements[i];
        const auto location = static_cast<GLuint>(i);
        glEnableVertexAttribArray(location);
        glVertexAttribPointer(location, static_cast<GLint>(element.floatCount), GL_FLOAT, GL_FALSE,
                              static_cast<GLsizei>(m_stride),
                              reinterpret_cast<const void*>(uintptr_t{element.offset}));
    }
    device.BindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    return glGetError() == GL_NO_ERROR;
}

void VertexBuffer::Update(const void* data, uint32_t count)
{
    if (!m_buffer || count == 0)
        return;
    const uint32_t n = count < m_capacity ? count : m_capacity;
    glBindBuffer(GL_ARRAY_BUFFER, m_buffer);
    // Fresh storage first: writing into storage a queued draw still reads would make the driver
    // wait for that draw to finish.
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(static_cast<uint64_t>(m_capacity) * m_stride),
                 nullptr, GL_DYNAMIC_DRAW);
    glBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(static_cast<uint64_t>(n) * m_stride), data);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void* VertexBuffer::MapDiscard(uint32_t count)
{
    if (!m_buffer || count == 0)
        return nullptr;
    const uint32_t n = count < m_capacity ? count : m_capacity;
    const auto whole = static_cast<GLsizeiptr>(static_cast<uint64_t>(m_capacity) * m_stride);
    glBindBuffer(GL_ARRAY_BUFFER, m_buffer);
    glBufferData(GL_ARRAY_BUFFER, whole, nullptr, GL_STREAM_DRAW);
    void* data =
        glMapBufferRange(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(static_cast<uint64_t>(n) * m_stride),
                         GL_MAP_WRITE_BIT | GL_MAP_INVALIDATE_BUFFER_BIT);
    if (!data)
        glBindBuffer(GL_ARRAY_BUFFER, 0);
    return data;
}

void VertexBuffer::Unmap()
{
    glBindBuffer(GL_ARRAY_BUFFER, m_buffer);
    glUnmapBuffer(GL_ARRAY_BUFFER);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void VertexBuffer::Draw(RenderDevice& device, Primitive primitive, uint32_t first, uint32_t count) const
{
    if (!m_vertexArray)
        return;
    device.BindVertexArray(m_vertexArray);
    device.Draw(primitive, first, count);
}

void VertexBuffer::Release()
{
    if (RenderDevice::IsContextAlive())
    {
        if (m_buffer)
            glDeleteBuffers(1, &m_buffer);
        if (m_vertexArray)
            glDeleteVertexArrays(1, &m_vertexArray);
    }
    // A deleted name may be handed out again, so the device must not think it is still bound.
    if (m_device && m_vertexArray)
        m_device->ForgetVertexArray(m_vertexArray);
    m_buffer = 0;
    m_vertexArray = 0;
    m_capacity = 0;
}
