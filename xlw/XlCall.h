#pragma once
#include <cstddef>
#include <cstdint>

// The Excel C API as this add-in uses it: the XLOPER cell value, its type
// and return codes, and the function numbers we call. Laid out as Excel
// lays it out: 16 bytes in the 32-bit product, the natural layout of the
// same declarations in a 64-bit build.

#if defined(_WIN32) && !defined(_WIN64)
#define XLL_CALL __attribute__((stdcall))
#else
#define XLL_CALL
#endif

// Exported entry points keep undecorated C names; the module-definition
// file strips the 32-bit stdcall suffix.
#define XLL_EXPORT extern "C" XLL_CALL

using XlWord = std::uint16_t;

struct XLOPER;

struct XLREF {
    XlWord rwFirst;
    XlWord rwLast;
    std::uint8_t colFirst;
    std::uint8_t colLast;
};

struct XLMREF {
    XlWord count;
    XLREF reftbl[1]; // count rectangles follow
};

struct XLOPER {
    union {
        double num;
        char* str; // counted: length byte, characters, zero
        XlWord xbool;
        XlWord err;
        std::int16_t w;
        struct {
            XlWord count;
            XLREF ref;
        } sref;
        struct {
            XLMREF* lpmref;
            std::uint32_t idSheet;
        } mref;
        struct {
            XLOPER* lparray; // rows x columns values, row by row
            XlWord rows;
            XlWord columns;
        } array;
        struct {
            unsigned char* lpbData;
            std::int32_t cbData;
        } bigdata;
    } val;
    XlWord xltype;
};

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(XLOPER) == 16, "Excel's 32-bit XLOPER is 16 bytes");
static_assert(offsetof(XLOPER, xltype) == 8, "type word follows the 8-byte value part");
static_assert(alignof(XLOPER) == 8, "the value part is double-aligned");
#elif defined(_WIN64) || UINTPTR_MAX > 0xFFFFFFFFu
static_assert(sizeof(XLOPER) == 24, "natural 64-bit layout");
static_assert(offsetof(XLOPER, xltype) == 16, "type word follows the 16-byte value part");
#endif
static_assert(offsetof(XLOPER, val) == 0, "value part first");
static_assert(sizeof(XLREF) == 6, "XLREF packs two words and two bytes");

namespace xltype {
constexpr XlWord Num = 0x0001;
constexpr XlWord Str = 0x0002;
constexpr XlWord Bool = 0x0004;
constexpr XlWord Ref = 0x0008;
constexpr XlWord Err = 0x0010;
constexpr XlWord Multi = 0x0040;
constexpr XlWord Missing = 0x0080;
constexpr XlWord Nil = 0x0100;
constexpr XlWord SRef = 0x0400;
constexpr XlWord Int = 0x0800;
constexpr XlWord BigData = Str | Int; // 0x0802
// Set by the bridge, never by Excel: the value holds memory Excel owns.
constexpr XlWord FreeLater = 0x8000;
// Kinds whose value points to memory Excel allocated. BigData carries the
// Str bit; Int, the other half of it, is a plain value.
constexpr XlWord ExcelOwned = Str | Ref | Multi;
} // namespace xltype

namespace xlerr {
constexpr XlWord Null = 0;
constexpr XlWord Div0 = 7;
constexpr XlWord Value = 15;
constexpr XlWord Ref = 23;
constexpr XlWord Name = 29;
constexpr XlWord Num = 36;
constexpr XlWord NA = 42;
} // namespace xlerr

namespace xlret {
constexpr int Success = 0;
constexpr int Abort = 1;
constexpr int InvXlfn = 2;
constexpr int InvCount = 4;
constexpr int InvXloper = 8;
constexpr int StackOvfl = 16;
constexpr int Failed = 32;
constexpr int Uncalced = 64;
} // namespace xlret

// Function numbers passed to Excel4/Excel4v.
enum class XlFunction : int {
    Free = 0x4000,
    Coerce = 0x4002,
    Abort = 0x4006,
    GetHwnd = 0x4008,
    GetName = 0x4009,
    Caller = 89,
    Register = 149,
    Counta = 169,
};

// Sheet limits of the XLOPER's reference and array counts.
constexpr std::uint32_t kSheetRows = 65536;
constexpr std::uint32_t kSheetColumns = 256;
constexpr std::uint32_t kMaxArrayCount = 0xFFFF;

using Excel4Proc = int (*)(int xlfn, XLOPER* result, int count, ...);
using Excel4vProc = int (XLL_CALL*)(int xlfn, XLOPER* result, int count, XLOPER** opers);
