#pragma once

#include "graphics/RenderDevice.h"
#include "graphics/VertexLayout.h"

#include <cstdint>

/// One vertex array with its buffer, laid out as one of the three VertexTypes; element i of the
/// layout is attribute location i.
class VertexBuffer
{
  public:
    VertexBuffer() = default;
    ~VertexBuffer() { Release(); }
    VertexBuffer(const VertexBuffer&) = delete;
    VertexBuffer& operator=(const VertexBuffer&) = delete;

    /// Creates the buffer for `capacity` vertices of `layout`, filled from `data` when given.
    /// A dynamic buffer is refilled with Update every frame.
    bool Create(RenderDevice& device, const VertexLayout& layout, const void* data, uint32_t capacity,
                bool dynamic);
    /// Refills the first `count` vertices (at most the capacity) in fresh storage, so draws still
    /// queued with the old contents never hold the caller up.
    void Update(const void* data, uint32_t count);
    /// Hands out the first `count` vertices (at most the capacity) for writing, after orphaning the
    /// old storage so the GPU can keep reading what earlier draws used: streaming without a stall.
    /// Null when the buffer does not exist or cannot be mapped; every non-null map needs Unmap.
    void* MapDiscard(uint32_t count);
    /// Ends the write begun by MapDiscard.
    void Unmap();
    /// Draws `count` vertices from `first`.
    void Draw(RenderDevice& device, Primitive primitive, uint32_t first, uint32_t count) const;
    /// Deletes the device objects.
    void Release();

    /// Whether the device objects exist.
    bool IsCreated() const { return m_vertexArray != 0; }
    /// Vertices the buffer holds.
    uint32_t Capacity() const { return m_capacity; }

  private:
    RenderDevice* m_device = nullptr;
    unsigned m_vertexArray = 0;
    unsigned m_buffer = 0;
    uint32_t m_stride = 0;
    uint32_t m_capacity = 0;
};
