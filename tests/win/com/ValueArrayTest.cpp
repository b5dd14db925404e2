#include <gtest/gtest.h>

#include "win/com/ValueArray.h"

namespace {

// A 2 × 3 array as Range.Value gives it (bounds from 1), cell (r, c) holding
// 10 r + c, put in through the system's own indexing.
CVariant ReadArray()
{
    SAFEARRAYBOUND bounds[2] = {{2, 1}, {3, 1}};
    SAFEARRAY* array = SafeArrayCreate(VT_VARIANT, 2, bounds);
    for (LONG r = 1; r <= 2; ++r) {
        for (LONG c = 1; c <= 3; ++c) {
            LONG index[2] = {r, c};
            VARIANT value;
            value.vt = VT_I4;
            value.lVal = 10 * r + c;
            SafeArrayPutElement(array, index, &value);
        }
    }
    VARIANT value;
    value.vt = VT_ARRAY | VT_VARIANT;
    value.parray = array;
    return CVariant::Adopt(value);
}

TEST(ValueArray, KeepsWhatWasReadAndReachesCellsAsTheSystemIndexesThem)
{
    CVariant read = ReadArray();
    SAFEARRAY* const array = read.Get().parray;
    const CValueArray values = CValueArray::FromValue(std::move(read));
    EXPECT_EQ(values.Value().Get().parray, array) << "taken over, not copied";
    ASSERT_EQ(values.Rows(), 2);
    ASSERT_EQ(values.Columns(), 3);
    for (long r = 0; r < 2; ++r) {
        for (long c = 0; c < 3; ++c)
            EXPECT_EQ(values.At(r, c).lVal, 10 * (r + 1) + c + 1) << r << "," << c;
    }
}

TEST(ValueArray, BuiltCellsAreWhereTheSystemFindsThem)
{
    CValueArray values(3, 2);
    values.Set(2, 1, CVariant::Text(L"last").Get());
    values.Set(0, 1, CVariant::Long(7).Get());
    LONG index[2] = {3, 2};
    VARIANT found;
    VariantInit(&found);
    ASSERT_EQ(SafeArrayGetElement(values.Value().Get().parray, index, &found), S_OK);
    ASSERT_EQ(found.vt, VT_BSTR);
    EXPECT_STREQ(found.bstrVal, L"last");
    VariantClear(&found);
    index[0] = 1;
    ASSERT_EQ(SafeArrayGetElement(values.Value().Get().parray, index, &found), S_OK);
    EXPECT_EQ(found.lVal, 7);
    EXPECT_EQ(values.At(1, 1).vt, VT_EMPTY);
}

TEST(ValueArray, ASingleValueIsOneByOne)
{
    const CValueArray values = CValueArray::FromValue(CVariant::Double(2.5));
    ASSERT_EQ(values.Rows(), 1);
    ASSERT_EQ(values.Columns(), 1);
    EXPECT_EQ(values.At(0, 0).dblVal, 2.5);
}

} // namespace
