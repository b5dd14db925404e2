#include "commands/distfill/GenerateProgressDialog.h"

#include <commctrl.h>
#include <objbase.h>

#include "resources/ResourceIds.h"
#include "win/ui/ModalDialog.h"

namespace {

// How long Stop waits for the thread before it posts the stop message
// again: a message posted while the user drags the window can be lost in
// the system's move loop.
constexpr DWORD kStopRetryMs = 500;

} // namespace

bool CGenerateProgressDialog::Start()
{
    m_ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!m_ready)
        return false;
    m_abort = false;
    m_thread = CreateThread(nullptr, 0, &CGenerateProgressDialog::ThreadMain, this, CREATE_SUSPENDED, &m_threadId);
    if (m_thread) {
        ResumeThread(m_thread);
        // The thread signals once its window is up; if it ends before that,
        // its handle is signalled instead.
        const HANDLE waits[2] = {m_ready, m_thread};
        WaitForMultipleObjects(2, waits, FALSE, INFINITE);
    }
    CloseHandle(m_ready);
    m_ready = nullptr;
    if (m_thread && !m_window)
        Stop();
    return m_thread != nullptr;
}

void CGenerateProgressDialog::Stop()
{
    if (!m_thread)
        return;
    do
        PostThreadMessageW(m_threadId, WMU_STOP_PROGRESS, 0, 0);
    while (WaitForSingleObject(m_thread, kStopRetryMs) == WAIT_TIMEOUT);
    CloseHandle(m_thread);
    m_thread = nullptr;
}

void CGenerateProgressDialog::Update(std::uint64_t done)
{
    if (!m_lastUpdate.Due(GetTickCount()))
        return;
    // Sent: the progress thread only waits for messages, so this returns at
    // once, and the bar never shows a position older than the last one.
    SendDlgItemMessageW(m_window, IDC_GENERATING_BAR, PBM_SETPOS, static_cast<WPARAM>(BarPosition(done, m_total)), 0);
}

DWORD WINAPI CGenerateProgressDialog::ThreadMain(void* parameter)
{
    static_cast<CGenerateProgressDialog*>(parameter)->Run();
    return 0;
}

void CGenerateProgressDialog::Run()
{
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    HWND window = CreateDialogParamW(ResourceModule(), MAKEINTRESOURCEW(IDD_GENERATING), nullptr,
                                     &CGenerateProgressDialog::Procedure, reinterpret_cast<LPARAM>(this));
    if (window) {
        SendDlgItemMessageW(window, IDC_GENERATING_BAR, PBM_SETRANGE32, 0, BarMaximum(m_total));
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
        m_window = window;
    }
    SetEvent(m_ready);
    if (window) {
        RunLoop();
        DestroyWindow(window);
    }
    if (SUCCEEDED(com))
        CoUninitialize();
}

void CGenerateProgressDialog::RunLoop()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.hwnd == nullptr && message.message == WMU_STOP_PROGRESS)
            return;
        if (!IsDialogMessageW(m_window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

INT_PTR CALLBACK CGenerateProgressDialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        return TRUE;
    }
    auto* dialog = reinterpret_cast<CGenerateProgressDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    // Abort, or Esc (the dialog manager's IDCANCEL) while this window has
    // the keyboard, ends a fill early; the window stays until stopped.
    const bool abort = message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED
                    && (LOWORD(wParam) == IDC_GENERATING_ABORT || LOWORD(wParam) == IDCANCEL);
    if (abort && dialog) {
        dialog->m_abort = true;
        return TRUE;
    }
    return message == WM_COMMAND;
}
