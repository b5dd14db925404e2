#pragma once
#include <cstddef>
#include <cstdint>

#include "xlw/XlCall.h"

// The XLOPER12 interface of Excel 2007 and later: the whole grid of
// 1,048,576 rows x 16,384 columns, 32-bit counts and UTF-16 texts. The
// kinds and error codes are those of the XLOPER; only the widths differ.
// Laid out as Excel lays it out, in 32-bit and in 64-bit builds alike.

using XlChar = char16_t; // a UTF-16 code unit, Windows' wchar_t

struct XLOPER12;

struct XLREF12 {
    std::int32_t rwFirst;
    std::int32_t rwLast;
    std::int32_t colFirst;
    std::int32_t colLast;
};

struct XLMREF12 {
    XlWord count;
    XLREF12 reftbl[1]; // count rectangles follow
};

struct XLOPER12 {
    union {
        double num;
        XlChar* str; // counted: length, then the characters
        std::int32_t xbool;
        std::int32_t err;
        std::int32_t w;
        struct {
            XlWord count;
            XLREF12 ref;
        } sref;
        struct {
            XLMREF12* lpmref;
            std::uintptr_t idSheet;
        } mref;
        struct {
            XLOPER12* lparray; // rows x columns values, row by row
            std::int32_t rows;
            std::int32_t columns;
        } array;
        struct {
            union {
                std::int32_t level;
                std::int32_t tbctrl;
                std::uintptr_t idSheet;
            } valflow;
            std::int32_t rw;
            std::int32_t col;
            std::uint8_t xlflow;
        } flow;
        struct {
            union {
                unsigned char* lpbData;
                void* hdata;
            } h;
            std::int32_t cbData;
        } bigdata;
    } val;
    std::uint32_t xltype;
};

static_assert(sizeof(XLREF12) == 16, "four 32-bit ends");
static_assert(offsetof(XLMREF12, reftbl) == 4, "the rectangles are 32-bit aligned after the count");
static_assert(offsetof(XLOPER12, val) == 0, "value part first");
static_assert(sizeof(XLOPER12) == 32, "Excel's XLOPER12 is 32 bytes in 32-bit and 64-bit builds");
static_assert(offsetof(XLOPER12, xltype) == 24, "type word follows the 24-byte value part");
static_assert(alignof(XLOPER12) == 8, "the value part is double-aligned");
static_assert(offsetof(XLOPER12, val.sref.ref) == 4, "the reference follows the 16-bit count");
#if defined(_WIN32) && !defined(_WIN64)
static_assert(offsetof(XLOPER12, val.array.rows) == 4, "32-bit: counts follow the 4-byte pointer");
static_assert(offsetof(XLOPER12, val.flow.xlflow) == 12, "32-bit flow: three 32-bit words, then the byte");
#elif defined(_WIN64) || UINTPTR_MAX > 0xFFFFFFFFu
static_assert(offsetof(XLOPER12, val.array.rows) == 8, "64-bit: counts follow the 8-byte pointer");
static_assert(offsetof(XLOPER12, val.flow.xlflow) == 16, "64-bit flow: an 8-byte word, two 32-bit words, the byte");
#endif

// Sheet limits of the XLOPER12 and the longest text of a cell.
constexpr std::uint32_t kGridRows = 1048576;
constexpr std::uint32_t kGridColumns = 16384;
constexpr std::size_t kMaxText12Length = 32767;

// Excel version as XLCallVer reports it: 0x0C00 and above offer XLOPER12.
constexpr int kFirstXloper12Version = 0x0C00;

// Excel's own callback, exported by the Excel process as MdCallBack12;
// note the order: count and arguments before the result.
using Excel12vProc = int (XLL_CALL*)(int xlfn, int count, XLOPER12** opers, XLOPER12* result);
using XlCallVerProc = int (XLL_CALL*)();
