#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

/// Names an entry of a HandleTable: its slot and the generation the slot had when the entry
/// was added. Generation 0 never names a live entry.
struct Handle
{
    uint32_t index = 0;
    uint32_t generation = 0;
};

/// Live entries by slot and generation, so that a handle kept after its entry has gone finds
/// nothing, even when the slot (or the entry's address) has been reused since.
template <typename T> class HandleTable
{
  public:
    /// Generations stay below this, so a handle packs into 63 bits.
    static constexpr uint32_t kGenerationLimit = 0x7FFFFFFFu;

    /// Stores `entry` in a free slot and returns its handle.
    Handle Add(T* entry)
    {
        uint32_t index = 0;
        if (m_free.empty())
        {
            index = static_cast<uint32_t>(m_slots.size());
            m_slots.push_back({nullptr, 1});
        }
        else
        {
            index = m_free.back();
            m_free.pop_back();
        }
        m_slots[index].entry = entry;
        ++m_live;
        return {index, m_slots[index].generation};
    }

    /// Ends the handle's life; a handle that is not live changes nothing.
    void Remove(Handle handle)
    {
        if (!Find(handle))
            return;
        Slot& slot = m_slots[handle.index];
        slot.entry = nullptr;
        // Skipping 0 keeps a zeroed handle dead after the generations wrap.
        slot.generation = slot.generation >= kGenerationLimit ? 1 : slot.generation + 1;
        m_free.push_back(handle.index);
        --m_live;
    }

    /// The entry the handle names, or null when it is not live.
    T* Find(Handle handle) const
    {
        if (handle.index >= m_slots.size())
            return nullptr;
        const Slot& slot = m_slots[handle.index];
        return slot.generation == handle.generation ? slot.entry : nullptr;
    }

    /// How many entries are live.
    size_t LiveCount() const { return m_live; }

  private:
    struct Slot
    {
        T* entry;
        uint32_t generation;
    };

    std::vector<Slot> m_slots;
    std::vector<uint32_t> m_free;
    size_t m_live = 0;
};
