#include "win/ui/Errors.h"

#include <cwchar>

#include "win/com/ComEntry.h"

std::wstring SystemErrorText(DWORD code)
{
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                            | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    std::wstring text(buffer ? buffer : L"", length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    return text;
}

CComError CurrentFailure()
{
    try {
        throw;
    } catch (const CComError& error) {
        return error;
    } catch (const VErrorBase& error) {
        return CComError(E_FAIL, error.Message());
    } catch (...) {
        const HRESULT code = CurrentFailureCode();
        return CComError(code, SystemErrorText(static_cast<DWORD>(code)));
    }
}

std::wstring COSError::Message() const
{
    wchar_t number[32];
    std::swprintf(number, 32, L"%lu", static_cast<unsigned long>(m_code));
    std::wstring message = m_text + L"\nWindows error " + number;
    const std::wstring words = SystemErrorText(m_code);
    if (!words.empty())
        message += L": " + words;
    return message;
}
