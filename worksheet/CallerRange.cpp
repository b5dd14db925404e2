#include "worksheet/WorksheetFrame.h"

XlfRange CallerRange()
{
    XlfOwnedOper caller;
    RaiseForCode(XlfExcel::Instance().CallExcel(XlFunction::Caller, caller.Get(), {}));
    // A macro's call (Application.Run, Evaluate) has no calling cell, and
    // Excel answers #REF!: the function then answers as in one cell.
    if (caller.Type() == xltype::Err) {
        XlfRange single;
        single.endRow = 1;
        single.endColumn = 1;
        return single;
    }
    return XlfOper(caller.Get()).ReadRange();
}
