#pragma once
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "xlw/XlCall.h"
#include "xlw/XlCall12.h"
#include "xlw/XlfBinding.h"
#include "xlw/XlfTempPool.h"

// An XLOPER or an XLOPER12, as Excel passes arguments and takes results on
// the path it registered the function with; only the bridge looks inside.
struct XlfValue;

// The process-wide binding to Excel's C API and the temporary pool.
//
// Two paths, one bridge: an Excel that offers the XLOPER12 interface is
// called through Excel12v; an older one through Excel4v, and there the
// bridge converts every value between the XLOPER Excel speaks and the
// XLOPER12 the bridge and the worksheet functions are written against.
class XlfExcel {
public:
    // Created, and bound to Excel, on first use; binding failures
    // propagate as std::runtime_error and the next call tries again.
    static XlfExcel& Instance();
    // Binds again with the current binder (tests only).
    void Rebind();

    void SetDllInstance(void* module) { m_module = module; }

    // True when Excel offers XLOPER12: MdCallBack12 is there and
    // XLCallVer reports 12 or more.
    bool UsesXloper12() const { return m_xloper12; }
    // The sheet and array limits of the path: 1,048,576 x 16,384 and texts
    // of 32,767 characters, or 65,536 x 256, arrays counted in 16 bits and
    // texts of 255.
    std::uint32_t SheetRows() const;
    std::uint32_t MaxArrayRows() const;
    std::uint32_t MaxArrayColumns() const;
    std::size_t MaxTextLength() const;

    // Both call Excel on the path, then mark a result that holds Excel's
    // memory with the free-later bit. On the XLOPER path the result is a
    // converted copy in the pool, and Excel's own was freed at once;
    // arguments that no XLOPER can hold give xlretFailed without a call.
    int CallExcel(XlFunction function, XLOPER12* result, std::initializer_list<XLOPER12*> arguments);
    int CallExcelV(XlFunction function, XLOPER12* result, int count, XLOPER12** arguments);

    // An argument as the worksheet function reads it (on the XLOPER path a
    // converted copy in the pool), and a result as Excel takes it back;
    // null result when the pool has no memory for the conversion.
    XLOPER12* FromExcel(XlfValue* argument);
    XlfValue* ToExcel(XLOPER12* result);
    // A shared error value of the path, made without memory.
    XlfValue* ErrorToExcel(XlWord code);

    // Null when memory is exhausted.
    void* GetTempMemory(std::size_t bytes) { return m_pool.Get(bytes); }
    void ResetTempMemory() { m_pool.Reset(); }
    const XlfTempPool& TempPool() const { return m_pool; }

    // The add-in's full path as Excel knows it, in UTF-8; "" (and a
    // diagnostic) when Excel cannot tell.
    std::string GetDllPath();
    // The directory of the module set by SetDllInstance, without the final
    // backslash; computed once.
    std::string GetDllDirectory();

    // The bound entry points, for the add-in's own Excel calls.
    Excel4Proc Excel4() const { return m_binding.excel4; }
    Excel4vProc Excel4v() const { return m_binding.excel4v; }

private:
    explicit XlfExcel(const XlfBinding& binding);

    XlfBinding m_binding;
    bool m_xloper12 = false;
    void* m_module = nullptr;
    XlfTempPool m_pool;
    bool m_haveDirectory = false;
    std::string m_directory;
};
