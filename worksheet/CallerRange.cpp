#include "worksheet/WorksheetFrame.h"

XlfRange CallerRange()
{
    XlfOwnedOper caller;
    RaiseForCode(XlfExcel::Instance().CallExcel(XlFunction::Caller, caller.Get(), {}));
    return XlfOper(caller.Get()).ReadRange();
}
