#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "win/com/OfficeInterfaces.h"

// Runs a script of steps against the test Excel, one step a line. The main
// window's timer calls Tick, so steps keep running inside the modal loops
// a command starts: a `menu` step returns only when its command is done,
// and the steps after it run from the nested loop's timer ticks.
namespace xlhost {

class ExcelApplication;
class ScriptRunner;

enum class StepResult { Done, Wait };
using StepFunction = StepResult (*)(ScriptRunner&, const std::vector<std::string>& words);

struct StepKind {
    StepFunction run;
    std::size_t fewestWords; // the step's name included
    std::size_t mostWords;
    // Steps that act on windows or start a command let the message loops
    // run after them; others run in one go.
    bool letsLoopsRun;
};

using StepTable = std::map<std::string, StepKind>;
void AddWorkbookSteps(StepTable& table);
void AddAddInSteps(StepTable& table);
void AddDumpSteps(StepTable& table);
void AddWindowSteps(StepTable& table);
void AddDpiSteps(StepTable& table);
void AddFocusSteps(StepTable& table);
void AddKeyboardSteps(StepTable& table);
void AddHtmlHelpSteps(StepTable& table);
void AddWatchSteps(StepTable& table);
void AddRibbonSteps(StepTable& table);
void AddFormulaSteps(StepTable& table);

struct ScriptLine {
    int number;
    std::vector<std::string> words;
};

struct ConnectedAddIn {
    std::string progId;
    _IDTExtensibility2* addIn;
};

class ScriptRunner {
public:
    // Reads and checks the whole script first; throws std::runtime_error
    // naming the line for an unknown step or a wrong number of words.
    ScriptRunner(const std::string& scriptPath, std::string dllPath, ExcelApplication* application);

    void Tick();
    bool Finished() const { return m_finished; }
    int ExitCode() const { return m_failed ? 1 : 0; }

    // For the steps.
    void Print(const std::string& line);
    // A file named in the script, relative to the script's folder.
    std::string InputPath(const std::string& name) const;
    const std::string& DllPath() const { return m_dllPath; }
    ExcelApplication* Application() const { return m_application; }
    std::vector<ConnectedAddIn>& AddIns() { return m_addIns; }
    // Milliseconds since the current step first ran.
    DWORD WaitedMs() const { return GetTickCount() - m_stepStart; }
    int CommandsRunning() const { return m_commands; }
    void CommandStarted() { ++m_commands; }
    void CommandEnded() { --m_commands; }
    // Fails the run at once: the message on standard error, exit code 1.
    [[noreturn]] void Abandon(const std::string& message);
    // Fails the run but lets the script go on.
    void MarkFailed(const std::string& message);

private:
    void RunSteps();
    bool WatchMessageBoxes();
    void Finish();

    StepTable m_table;
    std::vector<ScriptLine> m_lines;
    std::size_t m_next = 0;
    std::string m_folder;
    std::string m_dllPath;
    ExcelApplication* m_application;
    std::vector<ConnectedAddIn> m_addIns;
    DWORD m_stepStart = 0;
    std::size_t m_stepStarted = static_cast<std::size_t>(-1);
    int m_commands = 0;
    bool m_holdSteps = false; // a step is running that must not be interleaved
    HWND m_strayBox = nullptr;
    DWORD m_straySince = 0;
    bool m_failed = false;
    bool m_finished = false;
};

// A message box of this thread: a dialog whose one static with id 0xFFFF
// holds the text, and buttons with the standard ids only.
HWND FindMessageBox();
std::string WindowText(HWND window);
// Presses the message box's default button.
void CloseMessageBox(HWND box);

} // namespace xlhost
