#pragma once
#include <cstddef>
#include <initializer_list>
#include <string>

#include "xlw/XlCall.h"
#include "xlw/XlfBinding.h"
#include "xlw/XlfTempPool.h"

// The process-wide binding to Excel's C API and the temporary pool.
class XlfExcel {
public:
    // Created, and bound to Excel, on first use; binding failures
    // propagate as std::runtime_error and the next call tries again.
    static XlfExcel& Instance();

    void SetDllInstance(void* module) { m_module = module; }

    // Both pass straight to Excel4v, then mark a result that holds Excel's
    // memory with the free-later bit.
    int CallExcel(XlFunction function, XLOPER* result, std::initializer_list<XLOPER*> arguments);
    int CallExcelV(XlFunction function, XLOPER* result, int count, XLOPER** arguments);

    // Null when memory is exhausted.
    void* GetTempMemory(std::size_t bytes) { return m_pool.Get(bytes); }
    void ResetTempMemory() { m_pool.Reset(); }
    const XlfTempPool& TempPool() const { return m_pool; }

    // The add-in's full path as Excel knows it; "" (and a diagnostic)
    // when Excel cannot tell.
    std::string GetDllPath();
    // The directory of the module set by SetDllInstance, without the final
    // backslash; computed once.
    std::string GetDllDirectory();

    // The bound entry points, for the add-in's own Excel calls.
    Excel4Proc Excel4() const { return m_binding.excel4; }
    Excel4vProc Excel4v() const { return m_binding.excel4v; }

private:
    explicit XlfExcel(const XlfBinding& binding) : m_binding(binding) {}

    XlfBinding m_binding;
    void* m_module = nullptr;
    XlfTempPool m_pool;
    bool m_haveDirectory = false;
    std::string m_directory;
};
