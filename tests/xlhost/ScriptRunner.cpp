#include "tests/xlhost/ScriptRunner.h"

#include <fstream>
#include <iostream>
#include <stdexcept>

#include "tests/xlhost/MacroText.h"

namespace xlhost {
namespace {
constexpr DWORD kStrayBoxMs = 1000;
constexpr DWORD kScriptEndWaitMs = 60000;

HWND g_closedBox = nullptr; // pressed already, about to go

bool IsMessageBoxWindow(HWND window)
{
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) != "#32770" || !IsWindowVisible(window) || window == g_closedBox) {
        return false;
    }
    int texts = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        GetClassNameA(child, className, sizeof className);
        const int id = GetDlgCtrlID(child) & 0xFFFF;
        const std::string kind = className;
        if (kind == "Static") {
            if (id == 0xFFFF) {
                ++texts;
            } else if (id != 0x14 && id != 0x440) { // the icon, as Windows and wine number it
                return false;
            }
        } else if (kind != "Button" || id < IDOK || id > 11) {
            return false;
        }
    }
    return texts == 1;
}

BOOL CALLBACK FindBox(HWND window, LPARAM found)
{
    if (IsMessageBoxWindow(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

std::string Folder(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}
} // namespace

HWND FindMessageBox()
{
    if (g_closedBox != nullptr && !IsWindow(g_closedBox)) {
        g_closedBox = nullptr;
    }
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindBox, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string WindowText(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(window, &text[0], length + 1);
    text.resize(static_cast<std::size_t>(got));
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), got, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), got, &utf8[0], size, nullptr, nullptr);
    return utf8;
}

void CloseMessageBox(HWND box)
{
    const LRESULT answer = SendMessageW(box, DM_GETDEFID, 0, 0);
    int id = HIWORD(answer) == DC_HASDEFID ? LOWORD(answer) : 0;
    if (id == 0 || GetDlgItem(box, id) == nullptr) {
        id = GetDlgItem(box, IDOK) != nullptr ? IDOK : IDCANCEL;
    }
    g_closedBox = box;
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

ScriptRunner::ScriptRunner(const std::string& scriptPath, std::string dllPath, ExcelApplication* application)
    : m_folder(Folder(scriptPath)), m_dllPath(std::move(dllPath)), m_application(application)
{
    AddWorkbookSteps(m_table);
    AddAddInSteps(m_table);
    AddDumpSteps(m_table);
    AddWindowSteps(m_table);
    AddDpiSteps(m_table);
    AddFocusSteps(m_table);
    AddKeyboardSteps(m_table);
    AddHtmlHelpSteps(m_table);
    AddWatchSteps(m_table);
    AddRibbonSteps(m_table);
    AddFormulaSteps(m_table);
    std::ifstream file(scriptPath);
    if (!file) {
        throw std::runtime_error("cannot open script " + scriptPath);
    }
    std::string text;
    for (int number = 1; std::getline(file, text); ++number) {
        if (!text.empty() && text.back() == '\r') {
            text.pop_back();
        }
        std::vector<std::string> words;
        try {
            words = SplitWords(text);
        } catch (const std::exception& error) {
            throw std::runtime_error("line " + std::to_string(number) + ": " + error.what());
        }
        if (words.empty() || words[0][0] == '#') {
            continue;
        }
        const auto kind = m_table.find(words[0]);
        if (kind == m_table.end()) {
            throw std::runtime_error("line " + std::to_string(number) + ": unknown step " + words[0]);
        }
        if (words.size() < kind->second.fewestWords || words.size() > kind->second.mostWords) {
            throw std::runtime_error("line " + std::to_string(number) + ": wrong number of words for " + words[0]);
        }
        m_lines.push_back(ScriptLine{number, words});
    }
}

void ScriptRunner::Print(const std::string& line)
{
    std::cout << line << "\n" << std::flush;
}

std::string ScriptRunner::InputPath(const std::string& name) const
{
    const bool absolute = (!name.empty() && (name[0] == '/' || name[0] == '\\')) || name.find(':') != std::string::npos;
    return absolute ? name : m_folder + name;
}

void ScriptRunner::Abandon(const std::string& message)
{
    std::cout.flush();
    const std::size_t at = m_next == 0 ? 0 : m_next - 1;
    const int line = at < m_lines.size() ? m_lines[at].number : 0;
    std::cerr << "xlhost: line " << line << ": " << message << std::endl;
    TerminateProcess(GetCurrentProcess(), 1); // a modal loop may be running: no unwinding
    ExitProcess(1);
}

void ScriptRunner::MarkFailed(const std::string& message)
{
    std::cerr << "xlhost: " << message << std::endl;
    m_failed = true;
}

void ScriptRunner::Tick()
{
    if (m_finished || !WatchMessageBoxes() || m_holdSteps) {
        return;
    }
    RunSteps();
}

bool ScriptRunner::WatchMessageBoxes()
{
    const HWND box = FindMessageBox();
    const bool expected = !m_holdSteps && m_next < m_lines.size()
                       && (m_lines[m_next].words[0] == "message" || m_lines[m_next].words[0] == "owner");
    if (box == nullptr || expected) {
        m_strayBox = nullptr;
        return true;
    }
    if (box != m_strayBox) {
        m_strayBox = box;
        m_straySince = GetTickCount();
        return false;
    }
    if (GetTickCount() - m_straySince >= kStrayBoxMs) {
        HWND text = GetDlgItem(box, 0xFFFF);
        Print("unexpected\t" + WindowText(box) + "\t" + (text != nullptr ? WindowText(text) : std::string()));
        MarkFailed("a message box nobody expected");
        CloseMessageBox(box);
        m_strayBox = nullptr;
    }
    return false;
}

void ScriptRunner::RunSteps()
{
    while (m_next < m_lines.size()) {
        const std::size_t index = m_next;
        if (m_stepStarted != index) {
            m_stepStarted = index;
            m_stepStart = GetTickCount();
        }
        const ScriptLine& line = m_lines[index];
        const StepKind& kind = m_table.at(line.words[0]);
        m_next = index + 1; // steps after a command's start run from nested ticks
        m_holdSteps = !kind.letsLoopsRun;
        StepResult result = StepResult::Done;
        try {
            result = kind.run(*this, line.words);
        } catch (const std::exception& error) {
            Abandon(line.words[0] + ": " + error.what());
        } catch (...) {
            Abandon(line.words[0] + ": failed");
        }
        m_holdSteps = false;
        if (result == StepResult::Wait) {
            m_next = index;
            return;
        }
        if (kind.letsLoopsRun) {
            return;
        }
    }
    if (m_commands > 0) {
        if (m_stepStarted != m_lines.size()) {
            m_stepStarted = m_lines.size();
            m_stepStart = GetTickCount();
        }
        if (WaitedMs() > kScriptEndWaitMs) {
            Abandon("the script ended while a command still runs");
        }
        return;
    }
    Finish();
}

void ScriptRunner::Finish()
{
    m_finished = true;
    PostQuitMessage(0);
}

} // namespace xlhost
