#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "commands/distfill/ProgressSchedule.h"
#include "commands/distfill/ProgressTracker.h"

// The thread message that ends the progress window's loop.
constexpr UINT WMU_STOP_PROGRESS = 0x7777;

// The "Generating..." window of a long fill: a modeless dialog on a thread
// of its own, since the generating thread pumps no messages. The
// generating thread moves its bar and reads its Abort button; the object
// always outlives the thread (the destructor stops it).
class CGenerateProgressDialog : public VProgressWindow {
public:
    CGenerateProgressDialog() = default;
    ~CGenerateProgressDialog() override { Stop(); }
    CGenerateProgressDialog(const CGenerateProgressDialog&) = delete;
    CGenerateProgressDialog& operator=(const CGenerateProgressDialog&) = delete;

    void SetTotal(std::uint64_t total) { m_total = total; }
    // Starts the thread and returns once the window is visible; false when
    // the thread or the window could not be made.
    bool Start();
    // Ends the thread's loop and waits until the thread has ended.
    void Stop();
    bool IsAborted() const override { return m_abort.load(std::memory_order_relaxed); }
    // Moves the bar, at most once per redraw interval.
    void Update(std::uint64_t done) override;

private:
    static DWORD WINAPI ThreadMain(void* parameter);
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Run();
    void RunLoop();

    HANDLE m_thread = nullptr;
    DWORD m_threadId = 0;
    // Written by the progress thread's Abort click, read by the generating
    // thread after every value.
    std::atomic<bool> m_abort{false};
    std::uint64_t m_total = 0;
    CRedrawLimit m_lastUpdate;
    HANDLE m_ready = nullptr;
    // Set by the progress thread before it signals m_ready.
    HWND m_window = nullptr;
};
