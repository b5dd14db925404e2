#include "win/excel/ObjectClasses.h"

namespace object_class {

CDispatchClass& Application()
{
    static CDispatchClass ids;
    return ids;
}

CDispatchClass& Window()
{
    static CDispatchClass ids;
    return ids;
}

CDispatchClass& Workbook()
{
    static CDispatchClass ids;
    return ids;
}

CDispatchClass& Sheets()
{
    static CDispatchClass ids;
    return ids;
}

CDispatchClass& Worksheet()
{
    static CDispatchClass ids;
    return ids;
}

CDispatchClass& Range()
{
    static CDispatchClass ids;
    return ids;
}

CDispatchClass& Areas()
{
    static CDispatchClass ids;
    return ids;
}

CDispatchClass& CommandBars()
{
    static CDispatchClass ids;
    return ids;
}

CDispatchClass& CommandBarControls()
{
    static CDispatchClass ids;
    return ids;
}

CDispatchClass& CommandBarControl()
{
    static CDispatchClass ids;
    return ids;
}

CDispatchClass& CommandBarPopup()
{
    static CDispatchClass ids;
    return ids;
}

CDispatchClass& CommandBarButton()
{
    static CDispatchClass ids;
    return ids;
}

CDispatchClass& RibbonControl()
{
    static CDispatchClass ids;
    return ids;
}

} // namespace object_class
