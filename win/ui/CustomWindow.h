#pragma once
#include <windows.h>

// A child window of a class registered by this module whose messages go to
// a C++ object: the base of the grid, the parameter list and the graphs.
class CCustomWindow {
public:
    CCustomWindow() = default;
    virtual ~CCustomWindow();
    CCustomWindow(const CCustomWindow&) = delete;
    CCustomWindow& operator=(const CCustomWindow&) = delete;

    // Creates the window; false when Windows refused.
    bool Create(HWND parent, const RECT& rect, const wchar_t* caption, DWORD style, DWORD exStyle = 0, int id = 0);
    void Destroy();
    HWND Handle() const { return m_window; }

protected:
    // The window class name; registered on first use.
    virtual const wchar_t* ClassName() const = 0;
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) { return DefWindowProcW(m_window, message, wParam, lParam); }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
};

