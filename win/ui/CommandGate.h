#pragma once
#include <windows.h>

// One command at a time. In Excel 2013 and later each workbook has a
// window of its own, and a dialog owned by one leaves the others' menus
// and ribbons live, so a click could start a second command inside the
// first. A command runs only while it holds the open gate; a click that
// finds it closed brings the running command's window to the front and
// starts nothing.
class CCommandGate {
public:
    // Open when no command runs; closed otherwise, the running command's
    // window brought to the front.
    CCommandGate();
    ~CCommandGate();
    CCommandGate(const CCommandGate&) = delete;
    CCommandGate& operator=(const CCommandGate&) = delete;

    bool IsOpen() const { return m_open; }

private:
    bool m_open;
};
