#include "xlw/XlfTempPool.h"

#include <limits>
#include <new>
#include <utility>

namespace {
// Values are XLOPERs and counted strings; keep every block double-aligned.
constexpr std::size_t kAlignment = alignof(double);

std::size_t RoundUp(std::size_t bytes)
{
    return (bytes + kAlignment - 1) / kAlignment * kAlignment;
}
} // namespace

bool XlfTempPool::AddBuffer(std::size_t size)
{
    std::unique_ptr<unsigned char[]> data(new (std::nothrow) unsigned char[size]);
    if (!data) {
        return false;
    }
    try {
        m_buffers.push_back({std::move(data), size});
    } catch (const std::bad_alloc&) {
        return false; // the new buffer was freed with the element that failed to go in
    }
    m_offset = 0;
    return true;
}

void* XlfTempPool::Get(std::size_t bytes)
{
    // Requests this large cannot be met, and their arithmetic would wrap.
    if (bytes >= std::numeric_limits<std::size_t>::max() / 4) {
        return nullptr;
    }
    if (m_buffers.empty() && !AddBuffer(kFirstBufferSize)) {
        return nullptr;
    }
    // Strictly less: a request never ends exactly at the buffer's end.
    while (!(m_offset + bytes < m_buffers.back().size)) {
        const std::size_t size = m_buffers.back().size;
        if (!AddBuffer(size + size / 2)) {
            return nullptr;
        }
    }
    unsigned char* block = m_buffers.back().data.get() + m_offset;
    m_offset += RoundUp(bytes);
    return block;
}

void XlfTempPool::Reset()
{
    if (m_buffers.size() > 1) {
        m_buffers.erase(m_buffers.begin(), m_buffers.end() - 1);
    }
    m_offset = 0;
}
