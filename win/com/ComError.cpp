#include "win/com/ComError.h"

#include <oleauto.h>

#include <cstdio>
#include <new>

#include "win/com/ComEntry.h"


namespace {

std::wstring TakeDescription(EXCEPINFO* exception)
{
    std::wstring description;
    if (exception) {
        // Some servers fill the exception information lazily.
        if (exception->pfnDeferredFillIn)
            exception->pfnDeferredFillIn(exception);
        if (exception->bstrDescription)
            description = exception->bstrDescription;
        SysFreeString(exception->bstrDescription);
        SysFreeString(exception->bstrSource);
        SysFreeString(exception->bstrHelpFile);
        *exception = EXCEPINFO{};
        return description;
    }
    IErrorInfo* info = nullptr;
    if (GetErrorInfo(0, &info) == S_OK && info) {
        BSTR text = nullptr;
        if (SUCCEEDED(info->GetDescription(&text)) && text)
            description = text;
        SysFreeString(text);
        info->Release();
    }
    return description;
}

std::string NarrowMessage(HRESULT code)
{
    char text[32];
    std::snprintf(text, sizeof text, "COM error %08lX", static_cast<unsigned long>(code));
    return text;
}

} // namespace

CComError::CComError(HRESULT code, std::wstring description)
    : std::runtime_error(NarrowMessage(code)), m_code(code), m_description(std::move(description))
{
}

HRESULT CurrentFailureCode()
{
    try {
        throw;
    } catch (const CComError& error) {
        return error.Code();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

void CheckCom(HRESULT code, EXCEPINFO* exception)
{
    if (SUCCEEDED(code))
        return;
    // An exception raised by the member carries its own error code.
    if (code == DISP_E_EXCEPTION && exception && exception->scode != S_OK) {
        const HRESULT inner = exception->scode;
        throw CComError(inner, TakeDescription(exception));
    }
    throw CComError(code, TakeDescription(exception));
}
