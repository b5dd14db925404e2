#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <utility>
#include <vector>

// The locale of every late-bound call: English (United States), the
// language macros speak. Excel reads references, numbers as text and macro
// text by the caller's locale, and an Excel without the user's language
// resources may refuse calls in it; every Excel answers English.
constexpr LCID kCallLocale = 1033;

// One class of automation objects and the ids of the members called on
// them. A class's member ids come from its type library and are the same
// for every object of it, so each name is looked up on the first object it
// is called on and reused for all the others. Used on the thread that
// calls Excel.
class CDispatchClass {
public:
    // The id of member on object, an object of the class; a failed lookup
    // raises CComError and is asked again next time.
    DISPID MemberId(IDispatch* object, const wchar_t* member);

private:
    std::vector<std::pair<std::wstring, DISPID>> m_ids;
};
