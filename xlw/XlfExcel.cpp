#include "xlw/XlfExcel.h"

#include <vector>

#include "xlw/XlfDiagnostics.h"
#include "xlw/XlfOper.h"

XlfExcel& XlfExcel::Instance()
{
    static XlfExcel instance(CurrentXlfBinder()());
    return instance;
}

int XlfExcel::CallExcel(XlFunction function, XLOPER* result, std::initializer_list<XLOPER*> arguments)
{
    std::vector<XLOPER*> list(arguments);
    return CallExcelV(function, result, static_cast<int>(list.size()), list.data());
}

int XlfExcel::CallExcelV(XlFunction function, XLOPER* result, int count, XLOPER** arguments)
{
    const int code = m_binding.excel4v(static_cast<int>(function), result, count, arguments);
    if (result != nullptr && (result->xltype & xltype::ExcelOwned) != 0) {
        result->xltype |= xltype::FreeLater;
    }
    return code;
}

std::string XlfExcel::GetDllPath()
{
    XlfOwnedOper name;
    const int code = CallExcel(XlFunction::GetName, name.Get(), {});
    if (code != xlret::Success || name.Type() != xltype::Str) {
        XlfDiagnostic(".\\xlw\\XlfExcel(165): ", "Could not get DLL name");
        return std::string();
    }
    return CountedText(name.Get()->val.str);
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
