#include <string>

#include "tests/xlw/BridgeFixture.h"
#include "tests/xlw/FailingAllocation.h"
#include "xlw/XlfOper.h"
#include "xlw/XlfTempPool.h"

// A buffer that cannot be recorded in the pool's list is freed once, and
// the pool goes on serving from the buffers it had.
TEST(TempPoolExhaustion, FailedListGrowthFreesTheNewBufferOnce)
{
    XlfTempPool pool;
    ASSERT_NE(pool.Get(8000), nullptr);
    {
        const FailingAllocations failing(1); // the buffer, not the list's growth
        EXPECT_EQ(pool.Get(8000), nullptr);
    }
    EXPECT_EQ(pool.BufferCount(), 1u);
    EXPECT_NE(pool.Get(8), nullptr);
    EXPECT_NE(pool.Get(8000), nullptr);
    EXPECT_EQ(pool.BufferCount(), 2u);
}

TEST(TempPoolExhaustion, NoBufferAtAllGivesNull)
{
    XlfTempPool pool;
    const FailingAllocations failing(0);
    EXPECT_EQ(pool.Get(16), nullptr);
    EXPECT_EQ(pool.BufferCount(), 0u);
}

using OperExhaustionTest = BridgeTest;

// Text that finds no pool memory leaves the XLOPER12 as it was; only the
// wrapper becomes empty, so reading it reports exhausted memory.
TEST_F(OperExhaustionTest, SetTextWithoutMemoryLeavesTheValueAlone)
{
    XlfOper value;
    ASSERT_FALSE(value.IsEmpty());
    value.SetNumber(2.5);
    XLOPER12* const raw = value.Get();
    const std::size_t room = XlfExcel::Instance().TempPool().NewestSize();
    ASSERT_NE(XlfExcel::Instance().GetTempMemory(room - 200), nullptr); // too little left for the text
    const std::u16string text(250, u'x');
    {
        const FailingAllocations failing(0);
        value.SetText(text);
    }
    EXPECT_TRUE(value.IsEmpty());
    EXPECT_EQ(raw->xltype, xltype::Num);
    EXPECT_EQ(raw->val.num, 2.5);
    int code = 0;
    value.ReadDouble(code);
    EXPECT_EQ(code, xlret::InvXloper);
}
