// Steps for a window that the add-in runs on a thread of its own, such as
// the progress window of a long job. The script's thread is busy inside the
// command then and runs no steps, so a watcher thread waits for the window,
// takes its picture and clicks one of its buttons as a user would.
#include <windows.h>

#include <atomic>
#include <memory>
#include <stdexcept>
#include <thread>

#include "tests/xlhost/HostObject.h"
#include "tests/xlhost/ScreenShot.h"
#include "tests/xlhost/ScriptRunner.h"

namespace xlhost {
namespace {
constexpr DWORD kWatchLimitMs = 60000;
constexpr DWORD kPollMs = 10;
constexpr DWORD kPaintMs = 300; // lets the new window paint before its picture

struct Watch {
    std::string title;
    int buttonId = 0;
    std::string shotPath;
    std::atomic<bool> stop{false};
    std::atomic<bool> done{false};
    std::string outcome; // written by the watcher before `done`
    std::thread thread;

    ~Watch()
    {
        stop = true;
        if (thread.joinable()) {
            thread.join();
        }
    }
};

std::unique_ptr<Watch> g_watch;

struct TitleSearch {
    const std::string* title;
    HWND found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM search)
{
    auto& wanted = *reinterpret_cast<TitleSearch*>(search);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    // The title as stored: asking a window of the busy script thread for
    // its text would wait for that thread.
    wchar_t title[256] = {};
    InternalGetWindowText(window, title, 256);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) && Wide(*wanted.title) == title) {
        wanted.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindTopLevel(const std::string& title)
{
    TitleSearch search{&title, nullptr};
    EnumWindows(&MatchTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ActOn(Watch& watch, HWND window)
{
    Sleep(kPaintMs);
    SaveWindowBitmap(window, watch.shotPath);
    HWND button = GetDlgItem(window, watch.buttonId);
    if (button == nullptr || !IsWindowVisible(button) || !IsWindowEnabled(button)) {
        return "seen\tno usable control " + std::to_string(watch.buttonId);
    }
    SendMessageW(button, BM_CLICK, 0, 0);
    return "seen\tpressed " + std::to_string(watch.buttonId);
}

void WatchFor(Watch* watch)
{
    const DWORD start = GetTickCount();
    std::string outcome = "none";
    while (!watch->stop && GetTickCount() - start < kWatchLimitMs) {
        if (HWND window = FindTopLevel(watch->title)) {
            try {
                outcome = ActOn(*watch, window);
            } catch (const std::runtime_error& e) {
                outcome = std::string("seen\t") + e.what();
            }
            break;
        }
        Sleep(kPollMs);
    }
    watch->outcome = outcome;
    watch->done = true;
}

// `watch TITLE ID FILE.bmp`: from now on, the first visible window of this
// process with that title is shot into FILE and its control ID clicked.
StepResult WatchStep(ScriptRunner&, const std::vector<std::string>& words)
{
    if (g_watch) {
        throw std::runtime_error("a watch is already running");
    }
    g_watch = std::make_unique<Watch>();
    g_watch->title = words[1];
    g_watch->buttonId = std::stoi(words[2], nullptr, 0);
    g_watch->shotPath = words[3];
    g_watch->thread = std::thread(&WatchFor, g_watch.get());
    return StepResult::Done;
}

// `watched`: once the watcher acted, or no command runs any more, prints
// `watched<TAB>seen<TAB>pressed ID` (or why it could not press) or
// `watched<TAB>none`.
StepResult WatchedStep(ScriptRunner& runner, const std::vector<std::string>&)
{
    if (!g_watch) {
        throw std::runtime_error("no watch was started");
    }
    if (!g_watch->done && runner.CommandsRunning() > 0) {
        return StepResult::Wait;
    }
    g_watch->stop = true;
    g_watch->thread.join();
    runner.Print("watched\t" + g_watch->outcome);
    g_watch.reset();
    return StepResult::Done;
}
} // namespace

void AddWatchSteps(StepTable& table)
{
    table["watch"] = {&WatchStep, 4, 4, false};
    table["watched"] = {&WatchedStep, 1, 1, true};
}

} // namespace xlhost
