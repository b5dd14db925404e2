#pragma once
#include "win/com/DispatchClass.h"

// The classes of Excel's and Office's object models whose members the
// add-in calls, each keeping the member ids looked up on its objects for
// the life of the process.
namespace object_class {

CDispatchClass& Application();
CDispatchClass& Window();
CDispatchClass& Workbook();
CDispatchClass& Sheets();
CDispatchClass& Worksheet();
CDispatchClass& Range();
CDispatchClass& Areas();
CDispatchClass& CommandBars();
CDispatchClass& CommandBarControls();
// A control of unknown kind, and the popups and buttons it may be.
CDispatchClass& CommandBarControl();
CDispatchClass& CommandBarPopup();
CDispatchClass& CommandBarButton();
// The control a ribbon callback is given.
CDispatchClass& RibbonControl();

} // namespace object_class
