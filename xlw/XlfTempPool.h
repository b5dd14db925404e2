#pragma once
#include <cstddef>
#include <memory>
#include <vector>

// Short-lived memory for values handed to Excel: they stay valid until the
// next worksheet call resets the pool. Buffers grow by half each time, and
// a reset keeps the newest, so the pool settles at the size that the
// largest call needed.
class XlfTempPool {
public:
    static constexpr std::size_t kFirstBufferSize = 8192;

    // Null when memory is exhausted.
    void* Get(std::size_t bytes);
    void Reset();

    std::size_t BufferCount() const { return m_buffers.size(); }
    std::size_t NewestSize() const { return m_buffers.empty() ? 0 : m_buffers.back().size; }

private:
    struct Buffer {
        std::unique_ptr<unsigned char[]> data;
        std::size_t size;
    };
    bool AddBuffer(std::size_t size);

    std::vector<Buffer> m_buffers; // oldest first, the newest at the back
    std::size_t m_offset = 0;
};
