#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "xlw/XlfTempPool.h"

TEST(TempPool, FirstBufferServesUpToOneByteShortOfItsSize)
{
    XlfTempPool pool;
    ASSERT_NE(pool.Get(8191), nullptr);
    EXPECT_EQ(pool.BufferCount(), 1u);
    EXPECT_EQ(pool.NewestSize(), 8192u);
    ASSERT_NE(pool.Get(2), nullptr);
    EXPECT_EQ(pool.BufferCount(), 2u);
    EXPECT_EQ(pool.NewestSize(), 12288u);
}

TEST(TempPool, ExactFitIsRefusedByTheFirstBuffer)
{
    XlfTempPool pool;
    ASSERT_NE(pool.Get(8192), nullptr);
    EXPECT_EQ(pool.NewestSize(), 12288u);
}

TEST(TempPool, LargeRequestAddsSeveralBuffersAndResetKeepsTheNewest)
{
    XlfTempPool pool;
    auto* block = static_cast<unsigned char*>(pool.Get(100000));
    ASSERT_NE(block, nullptr);
    block[99999] = 1; // the whole block is writable
    // 8192, 12288, 18432, 27648, 41472, 62208, 93312, 139968
    EXPECT_EQ(pool.BufferCount(), 8u);
    EXPECT_EQ(pool.NewestSize(), 139968u);
    pool.Reset();
    EXPECT_EQ(pool.BufferCount(), 1u);
    EXPECT_EQ(pool.NewestSize(), 139968u);
    EXPECT_EQ(pool.Get(16), block); // the offset is back at 0
    EXPECT_EQ(pool.BufferCount(), 1u);
}

TEST(TempPool, SuccessiveBlocksDoNotOverlapAndStayAligned)
{
    XlfTempPool pool;
    auto* first = static_cast<unsigned char*>(pool.Get(3));
    auto* second = static_cast<unsigned char*>(pool.Get(16));
    EXPECT_GE(second, first + 3);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(second) % alignof(double), 0u);
}

TEST(TempPool, ImpossibleRequestsGiveNullInsteadOfWrapping)
{
    XlfTempPool pool;
    EXPECT_EQ(pool.Get(std::numeric_limits<std::size_t>::max()), nullptr);
    EXPECT_EQ(pool.Get(std::numeric_limits<std::size_t>::max() - 4), nullptr);
    EXPECT_NE(pool.Get(8), nullptr);
}
