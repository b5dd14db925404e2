#pragma once
#include <windows.h>

#include <string>

#include "win/com/ComError.h"

// The program's own errors, as opposed to Excel's: each yields the text the
// command shows to the user.
class VErrorBase {
public:
    virtual ~VErrorBase() = default;
    virtual std::wstring Message() const = 0;
};

// A failed Windows call: the text and the Windows error code current when
// it was raised, shown with the system's words for that code.
class COSError : public VErrorBase {
public:
    explicit COSError(std::wstring text, DWORD code = GetLastError()) : m_text(std::move(text)), m_code(code) {}

    DWORD Code() const { return m_code; }
    std::wstring Message() const override;

private:
    std::wstring m_text;
    DWORD m_code;
};

// The exception being handled, as a COM error to show: Excel's own error
// as it is, the program's own with its message and E_FAIL, anything else
// with E_OUTOFMEMORY for std::bad_alloc or E_FAIL and the system's words
// for the code. Call it only inside a handler.
CComError CurrentFailure();

// The system's description of a Windows error code or HRESULT, without the
// final line break; empty when the system has none.
std::wstring SystemErrorText(DWORD code);
