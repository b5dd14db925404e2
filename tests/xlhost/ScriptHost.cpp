#include "tests/xlhost/ScriptHost.h"

#include <windows.h>
#include <ole2.h>

#include "tests/xlhost/ExcelObjects.h"
#include "tests/xlhost/HostModel.h"
#include "tests/xlhost/ScriptRunner.h"
#include "tests/xlhost/TestExcel.h"

namespace {
constexpr UINT_PTR kScriptTimer = 1;
constexpr UINT kTickMs = 20;

xlhost::ScriptRunner* g_runner = nullptr;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER && wParam == kScriptTimer && g_runner != nullptr) {
        g_runner->Tick();
        return 0;
    }
    if (message == WM_CLOSE) {
        return 0; // Excel stays until the script is done
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateMainWindow()
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &MainWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    windowClass.lpszClassName = L"XLMAIN";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, L"XLMAIN", L"Microsoft Excel - Book1", WS_OVERLAPPEDWINDOW, 0, 0, 1024, 700,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return window;
}

// Excel's own Tools menu before any add-in adds to it.
std::shared_ptr<xlhost::ControlNode> ToolsMenu()
{
    auto tools = std::make_shared<xlhost::ControlNode>();
    tools->type = 10;
    tools->id = 30007;
    tools->caption = "&Tools";
    tools->Add(1, 943, false, 0)->caption = "Add-&Ins...";
    tools->Add(1, 522, false, 0)->caption = "&Options...";
    return tools;
}
} // namespace

int RunScript(const std::string& scriptPath, const std::string& dllPath)
{
    OleInitialize(nullptr);
    xlhost::HostModel& model = xlhost::HostModel::Instance();
    model.mainWindow = CreateMainWindow();
    TestExcel::Instance().SetMainWindowWord(static_cast<std::uint16_t>(reinterpret_cast<UINT_PTR>(model.mainWindow)));
    model.NewWorkbook();
    model.tools = ToolsMenu();
    auto* application = new xlhost::ExcelApplication();
    int code = 1;
    {
        xlhost::ScriptRunner runner(scriptPath, dllPath, application);
        g_runner = &runner;
        SetTimer(model.mainWindow, kScriptTimer, kTickMs, nullptr);
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        KillTimer(model.mainWindow, kScriptTimer);
        g_runner = nullptr;
        for (const xlhost::ConnectedAddIn& addIn : runner.AddIns()) {
            addIn.addIn->Release(); // the script did not shut down
        }
        code = runner.Finished() ? runner.ExitCode() : 1;
    }
    if (model.tools) {
        model.tools->Delete(); // lets go of sinks still advised
    }
    application->Release();
    DestroyWindow(model.mainWindow);
    OleUninitialize();
    return code;
}
