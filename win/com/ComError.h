#pragma once
#include <windows.h>

#include <stdexcept>
#include <string>

// A failed call into Excel or Office: the HRESULT and the description the
// failing object gave (empty when it gave none). Every command catches it
// at its top level and shows it.
class CComError : public std::runtime_error {
public:
    CComError(HRESULT code, std::wstring description);

    HRESULT Code() const { return m_code; }
    const std::wstring& Description() const { return m_description; }

private:
    HRESULT m_code;
    std::wstring m_description;
};

// Throws CComError for a failed HRESULT, taking the description from the
// exception information of a failed Invoke if given, else from the thread's
// error object.
void CheckCom(HRESULT code, EXCEPINFO* exception = nullptr);
