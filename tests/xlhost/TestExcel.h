#pragma once
#include <cstdarg>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "xlw/XlCall.h"
#include "xlw/XlCall12.h"

// In XLCALL32.DLL the test Excel is exported to the host program.
#if defined(_WIN32) && defined(STOCHAL_TEST_EXCEL_EXPORTS)
#define TEST_EXCEL_API __declspec(dllexport)
#elif defined(_WIN32) && defined(STOCHAL_TEST_EXCEL_IMPORTS)
#define TEST_EXCEL_API __declspec(dllimport)
#else
#define TEST_EXCEL_API
#endif

// The least of Excel's C API that the add-in needs, for tests. It plays
// Excel 2007 or later (the XLOPER12 interface through MdCallBack12, and
// XLCallVer 12) unless told to play an Excel with Excel4 only. On either
// interface it answers xlfRegister (recording each call, texts in UTF-8),
// xlfCaller (the cells the host sets, or #REF! for a call without a
// calling cell), xlCoerce (numbers, logicals, texts, references to its one
// sheet of cells, arrays), xlfCounta, xlFree, xlGetName, xlGetHwnd (the
// low word of the main window the host sets, as Excel4 gives it) and
// xlAbort (no break: Esc is a key press, which this Excel does not watch).
// Memory it hands out is tracked until xlFree, so tests can see
// what was never given back.
//
// As Excel, the XLOPER interface reaches only the first 65,536 rows and 256
// columns (the conversion fails beyond: xlretFailed) and passes texts in
// the system's ANSI code page, at most 255 bytes; the XLOPER12 interface
// reaches the whole grid and passes texts in UTF-16. Cells hold UTF-8.
//
// Like Excel, it answers the C API only while it has passed control to the
// XLL (xlAutoOpen, a worksheet function, a command): at any other time, a
// menu or ribbon callback for one, it returns xlretFailed. The
// documentation of Excel4/Excel12 says they cannot be called then
// (learn.microsoft.com, "Excel4/Excel12", Excel C API reference).
//
// Coercions it cannot make (a text that is no number, an error value, a
// reference to a number...) return xlretFailed.
struct TestCell {
    XlWord type = xltype::Nil;
    double num = 0.0;
    bool flag = false;
    XlWord err = 0;
    std::string text; // UTF-8
};

// A rectangle of the sheet, 0-based and inclusive, anywhere on the grid.
struct TestArea {
    std::uint32_t row1 = 0, row2 = 0, column1 = 0, column2 = 0;
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
    void SetCaller(const XLREF& caller) { SetCaller(TestArea{caller.rwFirst, caller.rwLast, caller.colFirst, caller.colLast}); }
    void SetCaller(const TestArea& caller)
    {
        m_caller = caller;
        m_hasCaller = true;
    }
    // A call from a macro (Application.Run, Evaluate): no calling cell.
    void SetNoCaller() { m_hasCaller = false; }
    void SetDllName(std::string name) { m_dllName = std::move(name); }
    void SetMainWindowWord(std::uint16_t word) { m_windowWord = word; }
    // Excel passing control to the XLL for the life of a scope; scopes nest.
    class XllCall {
    public:
        XllCall() { ++Instance().m_xllCalls; }
        ~XllCall() { --Instance().m_xllCalls; }
        XllCall(const XllCall&) = delete;
        XllCall& operator=(const XllCall&) = delete;
    };
    bool InsideXll() const { return m_xllCalls > 0; }
    // Makes the given function number return this code (and do nothing).
    void ForceCode(XlFunction function, int code) { m_forced[static_cast<int>(function)] = code; }
    // Plays an Excel before 2007: XLCallVer 11, and MdCallBack12 answers
    // nothing but xlretFailed. Reset plays Excel 2007 or later again.
    void PlayExcel4Only(bool only) { m_excel4Only = only; }
    bool OffersXloper12() const { return !m_excel4Only; }
    int Version() const { return m_excel4Only ? 0x0B00 : kFirstXloper12Version; }
    // An xltypeRef to a rectangle of the sheet; its storage lives until
    // Reset. Fails (std::runtime_error) beyond the XLOPER's grid.
    XLOPER Reference(const XLREF& rectangle);
    XLOPER Reference(const TestArea& area);
    XLOPER12 Reference12(const TestArea& area);
    // A counted text argument as Excel passes it, kept until Reset.
    char* ArgumentText(const std::string& text) { return OwnedText(text, m_hostOwned); }
    XlChar* ArgumentText12(const std::string& text) { return OwnedText12(text, m_hostOwned); }
    const TestCell* FindCell(std::uint32_t row, std::uint32_t column) const;

    const std::vector<std::vector<std::string>>& Registrations() const { return m_registrations; }
    const std::string& DllName() const { return m_dllName; }
    std::size_t Outstanding() const { return m_owned.size(); }
    int CoerceCalls() const { return m_coerceCalls; }
    int FreeCalls() const { return m_freeCalls; }

    int Call(int function, XLOPER* result, int count, XLOPER** arguments);
    int Call12(int function, XLOPER12* result, int count, XLOPER12** arguments);

private:
    int Register(int count, XLOPER** arguments);
    int Caller(XLOPER& result) const;
    // The XLOPER12 interface (TestExcel12.cpp).
    int Register12(int count, XLOPER12** arguments);
    int Caller12(XLOPER12& result) const;
    int Coerce12(const XLOPER12& source, XlWord target, XLOPER12& result);
    int CoerceScalar12(const TestCell& source, XlWord target, XLOPER12& result);
    int CoerceReference12(const TestArea& area, XlWord target, XLOPER12& result);
    XLOPER12 CellValue12(std::uint32_t row, std::uint32_t column, std::vector<std::unique_ptr<char[]>>& parts);
    XLOPER12 Value12(const TestCell& cell, std::vector<std::unique_ptr<char[]>>& parts);
    XlChar* OwnedText12(const std::string& text, std::vector<std::unique_ptr<char[]>>& parts);
    // Non-empty cells of the rectangle, as COUNTA counts them.
    std::size_t CountValues(const TestArea& area) const;
    int Abort(XLOPER* result);
    int Coerce(const XLOPER& source, XlWord target, XLOPER& result);
    int CoerceScalar(const XLOPER& source, XlWord target, XLOPER& result);
    int CoerceReference(const TestArea& area, XlWord target, XLOPER& result);
    int Free(const XLOPER& value);
    XLOPER CellValue(std::uint32_t row, std::uint32_t column);
    // A counted XLOPER text from UTF-8 (converted to the code page), or of
    // bytes already in the code page.
    char* OwnedText(const std::string& text, std::vector<std::unique_ptr<char[]>>& parts);
    char* OwnedAnsi(const std::string& ansi, std::vector<std::unique_ptr<char[]>>& parts);
    template <class T>
    static T* Allocate(std::size_t count, std::vector<std::unique_ptr<char[]>>& parts)
    {
        parts.emplace_back(new char[sizeof(T) * (count == 0 ? 1 : count)]());
        return reinterpret_cast<T*>(parts.back().get());
    }

    std::map<std::pair<std::uint32_t, std::uint32_t>, TestCell> m_sheet;
    TestArea m_caller{};
    bool m_hasCaller = true;
    bool m_excel4Only = false;
    std::string m_dllName = kDefaultDllName;
    std::map<int, int> m_forced;
    std::vector<std::vector<std::string>> m_registrations;
    // Excel-owned memory by the pointer xlFree will be given.
    std::map<const void*, std::vector<std::unique_ptr<char[]>>> m_owned;
    std::vector<std::unique_ptr<char[]>> m_hostOwned;
    int m_coerceCalls = 0;
    int m_freeCalls = 0;
    std::uint16_t m_windowWord = 0;
    int m_xllCalls = 0;
};

TEST_EXCEL_API int XLL_CALL TestExcel4v(int function, XLOPER* result, int count, XLOPER** arguments);
// Excel's own MdCallBack12 and XLCALL32's XLCallVer.
TEST_EXCEL_API int XLL_CALL TestExcel12v(int function, int count, XLOPER12** arguments, XLOPER12* result);
TEST_EXCEL_API int XLL_CALL TestXlCallVer();
TEST_EXCEL_API int TestExcel4(int function, XLOPER* result, int count, ...);
// Excel4's argument list already started.
TEST_EXCEL_API int TestExcel4List(int function, XLOPER* result, int count, std::va_list list);

// Text of a value as the host prints it: numbers with 17 significant
// digits, TRUE/FALSE, #VALUE! and the other error names, texts in UTF-8.
TEST_EXCEL_API std::string FormatValue(const XLOPER& value);
TEST_EXCEL_API std::string FormatValue(const XLOPER12& value);
TEST_EXCEL_API std::string ErrorName(XlWord code);
