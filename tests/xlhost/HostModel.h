#pragma once
#include <windows.h>
#include <oaidl.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tests/xlhost/SheetModel.h"

// The state behind the test Excel's objects: the workbook, the selection,
// the application's recorded settings and Office's command bars. The COM
// objects are views of it, made as they are asked for.
namespace xlhost {

struct ControlNode {
    long type = 1; // 1 button, 10 popup
    long id = 1;
    std::string caption, tooltip, tag;
    bool beginGroup = false;
    bool temporary = false;
    bool deleted = false;
    ControlNode* parent = nullptr;
    std::vector<std::shared_ptr<ControlNode>> children;
    std::map<DWORD, IDispatch*> sinks; // advised Click sinks by cookie (counted)
    DWORD nextCookie = 1;

    // Unlinks the control and its children; their sinks are released.
    void Delete();
    std::shared_ptr<ControlNode> Add(long type, long id, bool temporary, std::size_t before);
};

struct HostModel {
    static HostModel& Instance();

    std::shared_ptr<Workbook> book;       // null: no workbook open
    std::vector<Area> selection;          // on the active sheet
    bool chartSelected = false;
    long cursor = -4143;                  // xlDefault
    LCID cursorLcid = 0;
    bool screenUpdating = true;
    LCID screenUpdatingLcid = 0;
    std::shared_ptr<ControlNode> tools;   // null after "notools"
    HWND mainWindow = nullptr;

    // Makes a workbook "Book1" with one empty "Sheet1", A1 selected.
    void NewWorkbook();
    // Activates the sheet at position; its A1 becomes the selection.
    void Activate(std::size_t position);
    // The workbook, or a failure as Excel's for a member that needs one.
    Workbook& Book() const;
};

} // namespace xlhost
