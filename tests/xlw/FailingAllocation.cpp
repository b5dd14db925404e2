#include "tests/xlw/FailingAllocation.h"

#include <cstdlib>
#include <new>

namespace {
constexpr int kNotFailing = -1;
int g_succeeding = kNotFailing; // the tests run on one thread

bool ShouldFail()
{
    if (g_succeeding == kNotFailing) {
        return false;
    }
    if (g_succeeding == 0) {
        return true;
    }
    --g_succeeding;
    return false;
}

void* Allocate(std::size_t bytes) noexcept
{
    return ShouldFail() ? nullptr : std::malloc(bytes == 0 ? 1 : bytes);
}

void* AllocateOrThrow(std::size_t bytes)
{
    void* block = Allocate(bytes);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    return block;
}
} // namespace

void FailAllocationsAfter(int succeeding)
{
    g_succeeding = succeeding;
}

void StopFailingAllocations()
{
    g_succeeding = kNotFailing;
}

void* operator new(std::size_t bytes)
{
    return AllocateOrThrow(bytes);
}

void* operator new[](std::size_t bytes)
{
    return AllocateOrThrow(bytes);
}

void* operator new(std::size_t bytes, const std::nothrow_t&) noexcept
{
    return Allocate(bytes);
}

void* operator new[](std::size_t bytes, const std::nothrow_t&) noexcept
{
    return Allocate(bytes);
}

void operator delete(void* block) noexcept
{
    std::free(block);
}

void operator delete[](void* block) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}

void operator delete[](void* block, std::size_t) noexcept
{
    std::free(block);
}

void operator delete(void* block, const std::nothrow_t&) noexcept
{
    std::free(block);
}

void operator delete[](void* block, const std::nothrow_t&) noexcept
{
    std::free(block);
}
