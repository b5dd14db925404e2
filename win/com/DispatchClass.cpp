#include "win/com/DispatchClass.h"

#include "win/com/ComError.h"

DISPID CDispatchClass::MemberId(IDispatch* object, const wchar_t* member)
{
    for (const auto& known : m_ids) {
        if (known.first == member)
            return known.second;
    }
    LPOLESTR name = const_cast<LPOLESTR>(member);
    DISPID id = DISPID_UNKNOWN;
    CheckCom(object->GetIDsOfNames(IID_NULL, &name, 1, kCallLocale, &id));
    m_ids.emplace_back(member, id);
    return id;
}
