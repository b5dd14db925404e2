#include "xlw/XlfExcel.h"

#include <vector>

#include "xlw/XlfDiagnostics.h"
#include "xlw/XlfExcel4Path.h"
#include "xlw/XlfOper.h"
#include "xlw/XlfText.h"

namespace {
bool OffersXloper12(const XlfBinding& binding)
{
    return binding.excel12v != nullptr && binding.xlCallVer != nullptr
           && binding.xlCallVer() >= kFirstXloper12Version;
}
} // namespace

XlfExcel::XlfExcel(const XlfBinding& binding) : m_binding(binding), m_xloper12(OffersXloper12(binding)) {}

XlfExcel& XlfExcel::Instance()
{
    static XlfExcel instance(CurrentXlfBinder()());
    return instance;
}

void XlfExcel::Rebind()
{
    m_binding = CurrentXlfBinder()();
    m_xloper12 = OffersXloper12(m_binding);
}

std::uint32_t XlfExcel::SheetRows() const
{
    return m_xloper12 ? kGridRows : kSheetRows;
}

std::uint32_t XlfExcel::MaxArrayRows() const
{
    return m_xloper12 ? kGridRows : kMaxArrayCount;
}

std::uint32_t XlfExcel::MaxArrayColumns() const
{
    return m_xloper12 ? kGridColumns : kMaxArrayCount;
}

std::size_t XlfExcel::MaxTextLength() const
{
    return m_xloper12 ? kMaxText12Length : 255;
}

int XlfExcel::CallExcel(XlFunction function, XLOPER12* result, std::initializer_list<XLOPER12*> arguments)
{
    std::vector<XLOPER12*> list(arguments);
    return CallExcelV(function, result, static_cast<int>(list.size()), list.data());
}

int XlfExcel::CallExcelV(XlFunction function, XLOPER12* result, int count, XLOPER12** arguments)
{
    if (!m_xloper12) {
        return CallExcel4(m_binding.excel4v, static_cast<int>(function), result, count, arguments);
    }
    const int code = m_binding.excel12v(static_cast<int>(function), count, arguments, result);
    if (result != nullptr && (result->xltype & xltype::ExcelOwned) != 0) {
        result->xltype |= xltype::FreeLater;
    }
    return code;
}

XLOPER12* XlfExcel::FromExcel(XlfValue* argument)
{
    if (m_xloper12 || argument == nullptr) {
        return reinterpret_cast<XLOPER12*>(argument);
    }
    auto* value = static_cast<XLOPER12*>(GetTempMemory(sizeof(XLOPER12)));
    if (value == nullptr || !ToXloper12(*reinterpret_cast<XLOPER*>(argument), *value)) {
        return nullptr;
    }
    return value;
}

XlfValue* XlfExcel::ToExcel(XLOPER12* result)
{
    if (m_xloper12 || result == nullptr) {
        return reinterpret_cast<XlfValue*>(result);
    }
    auto* value = static_cast<XLOPER*>(GetTempMemory(sizeof(XLOPER)));
    if (value == nullptr || !ToXloper(*result, *value)) {
        return nullptr;
    }
    return reinterpret_cast<XlfValue*>(value);
}

XlfValue* XlfExcel::ErrorToExcel(XlWord code)
{
    static XLOPER shared;
    static XLOPER12 shared12;
    if (m_xloper12) {
        shared12.xltype = xltype::Err;
        shared12.val.err = code;
        return reinterpret_cast<XlfValue*>(&shared12);
    }
    shared.xltype = xltype::Err;
    shared.val.err = code;
    return reinterpret_cast<XlfValue*>(&shared);
}

std::string XlfExcel::GetDllPath()
{
    XlfOwnedOper name;
    const int code = CallExcel(XlFunction::GetName, name.Get(), {});
    if (code != xlret::Success || name.Type() != xltype::Str) {
        XlfDiagnostic(".\\xlw\\XlfExcel(165): ", "Could not get DLL name");
        return std::string();
    }
    return Utf16ToUtf8(CountedText(name.Get()->val.str));
}

std::string XlfExcel::GetDllDirectory()
{
    if (!m_haveDirectory) {
        const std::string file = m_binding.moduleFileName != nullptr ? m_binding.moduleFileName(m_module) : "";
        const std::size_t slash = file.rfind('\\');
        m_directory = slash == std::string::npos ? std::string() : file.substr(0, slash);
        m_haveDirectory = true;
    }
    return m_directory;
}
