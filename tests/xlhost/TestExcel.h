#pragma once
#include <cstdarg>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "xlw/XlCall.h"

// In XLCALL32.DLL the test Excel is exported to the host program.
#if defined(_WIN32) && defined(STOCHAL_TEST_EXCEL_EXPORTS)
#define TEST_EXCEL_API __declspec(dllexport)
#elif defined(_WIN32) && defined(STOCHAL_TEST_EXCEL_IMPORTS)
#define TEST_EXCEL_API __declspec(dllimport)
#else
#define TEST_EXCEL_API
#endif

// The least of Excel's C API that the add-in needs, for tests: it answers
// xlfRegister (recording each call), xlfCaller (the range the host sets,
// or #REF! for a call without a calling cell),
// xlCoerce (numbers, logicals, texts, references to its one sheet of
// cells, arrays), xlFree, xlGetName, xlGetHwnd (the low word of the main
// window the host sets, as Excel4 gives it) and xlAbort (true while an Esc
// the host requested is pending; xlAbort(FALSE) clears it). Memory it hands out is tracked
// until xlFree, so tests can see what was never given back.
//
// Coercions it cannot make (a text that is no number, an error value, a
// reference to a number...) return xlretFailed.
struct TestCell {
    XlWord type = xltype::Nil;
    double num = 0.0;
    bool flag = false;
    XlWord err = 0;
    std::string text;
};

class TEST_EXCEL_API TestExcel {
public:
    static constexpr std::uint32_t kSheetId = 1;
    static constexpr const char* kDefaultDllName = "C:\\Stochal\\Stochal.dll";

    static TestExcel& Instance();

    // Empties the sheet and the records, sets the caller to A1 and clears
    // forced return codes; memory not yet freed is forgotten.
    void Reset();

    // Host side.
    void SetCell(std::uint32_t row, std::uint32_t column, const TestCell& cell) { m_sheet[{row, column}] = cell; }
    void SetCaller(const XLREF& caller)
    {
        m_caller = caller;
        m_hasCaller = true;
    }
    // A call from a macro (Application.Run, Evaluate): no calling cell.
    void SetNoCaller() { m_hasCaller = false; }
    void SetDllName(std::string name) { m_dllName = std::move(name); }
    void SetMainWindowWord(std::uint16_t word) { m_windowWord = word; }
    void SetAbortPending(bool pending) { m_abortPending = pending; }
    // Makes the given function number return this code (and do nothing).
    void ForceCode(XlFunction function, int code) { m_forced[static_cast<int>(function)] = code; }
    // An xltypeRef to a rectangle of the sheet; its storage lives until Reset.
    XLOPER Reference(const XLREF& rectangle);

    const std::vector<std::vector<std::string>>& Registrations() const { return m_registrations; }
    const std::string& DllName() const { return m_dllName; }
    std::size_t Outstanding() const { return m_owned.size(); }
    int CoerceCalls() const { return m_coerceCalls; }
    int FreeCalls() const { return m_freeCalls; }

    int Call(int function, XLOPER* result, int count, XLOPER** arguments);

private:
    int Register(int count, XLOPER** arguments);
    int Caller(XLOPER& result) const;
    int Abort(XLOPER* result, int count, XLOPER** arguments);
    int Coerce(const XLOPER& source, XlWord target, XLOPER& result);
    int CoerceScalar(const XLOPER& source, XlWord target, XLOPER& result);
    int CoerceReference(const XLREF& rectangle, XlWord target, XLOPER& result);
    int Free(const XLOPER& value);
    XLOPER CellValue(std::uint32_t row, std::uint32_t column);
    char* OwnedText(const std::string& text, std::vector<std::unique_ptr<char[]>>& parts);
    template <class T>
    static T* Allocate(std::size_t count, std::vector<std::unique_ptr<char[]>>& parts)
    {
        parts.emplace_back(new char[sizeof(T) * (count == 0 ? 1 : count)]());
        return reinterpret_cast<T*>(parts.back().get());
    }

    std::map<std::pair<std::uint32_t, std::uint32_t>, TestCell> m_sheet;
    XLREF m_caller{};
    bool m_hasCaller = true;
    std::string m_dllName = kDefaultDllName;
    std::map<int, int> m_forced;
    std::vector<std::vector<std::string>> m_registrations;
    // Excel-owned memory by the pointer xlFree will be given.
    std::map<const void*, std::vector<std::unique_ptr<char[]>>> m_owned;
    std::vector<std::unique_ptr<char[]>> m_hostOwned;
    int m_coerceCalls = 0;
    int m_freeCalls = 0;
    std::uint16_t m_windowWord = 0;
    bool m_abortPending = false;
};

TEST_EXCEL_API int XLL_CALL TestExcel4v(int function, XLOPER* result, int count, XLOPER** arguments);
TEST_EXCEL_API int TestExcel4(int function, XLOPER* result, int count, ...);
// Excel4's argument list already started.
TEST_EXCEL_API int TestExcel4List(int function, XLOPER* result, int count, std::va_list list);

// Text of a value as the host prints it: numbers with 17 significant
// digits, TRUE/FALSE, #VALUE! and the other error names, texts as they are.
TEST_EXCEL_API std::string FormatValue(const XLOPER& value);
TEST_EXCEL_API std::string ErrorName(XlWord code);
