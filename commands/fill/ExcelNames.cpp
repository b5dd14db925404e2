#include "commands/fill/ExcelNames.h"

#include "commands/fill/NameMacro.h"
#include "win/com/ComError.h"

std::wstring ReadNameValue(const CExcelApplication& application, const std::wstring& name,
                           const std::wstring& fallback)
{
    try {
        std::wstring text;
        if (application.ExecuteExcel4Macro(name).ToText(text))
            return text;
    } catch (const CComError&) {
    }
    return fallback;
}

void WriteNameValue(const CExcelApplication& application, const std::wstring& name, const std::wstring& value)
{
    try {
        application.ExecuteExcel4Macro(SetNameMacro(name, value));
    } catch (const CComError&) {
    }
}
