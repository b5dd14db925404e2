#include "commands/fill/NameMacro.h"

namespace {

std::wstring Quoted(const std::wstring& text)
{
    std::wstring quoted = L"\"";
    for (const wchar_t c : text) {
        quoted += c;
        if (c == L'"')
            quoted += L'"';
    }
    return quoted + L"\"";
}

} // namespace

std::wstring SetNameMacro(const std::wstring& name, const std::wstring& value)
{
    return L"SET.NAME(" + Quoted(name) + L"," + Quoted(value) + L")";
}
