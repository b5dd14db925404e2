// The output steps: what the workbook, the clipboard, the menu and the
// application's records hold.
#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include <windows.h>
#include <psapi.h>

#include "tests/xlhost/CallBook.h"
#include "tests/xlhost/CellText.h"
#include "tests/xlhost/HostModel.h"
#include "tests/xlhost/HostObject.h"
#include "tests/xlhost/RibbonHost.h"
#include "tests/xlhost/ScriptRunner.h"
#include "tests/xlhost/StepCells.h"
#include "tests/xlhost/TestExcel.h"

namespace xlhost {
namespace {
constexpr std::uint64_t kMostDumpCells = 100000;

HostModel& Model()
{
    return HostModel::Instance();
}

// One line per row of each area, cells tab-separated.
template <class Text>
void DumpArea(ScriptRunner& runner, const std::string& reference, Text text)
{
    const RangeRef range = StepReference(reference);
    for (const Area& area : range.areas) {
        if (area.Cells() > kMostDumpCells) {
            throw std::runtime_error("too many cells to print");
        }
        for (std::uint32_t r = area.row1; r <= area.row2; ++r) {
            std::string line;
            for (std::uint32_t c = area.column1; c <= area.column2; ++c) {
                const Cell* cell = range.sheet->Find(r, c);
                line += (c > area.column1 ? "\t" : "") + (cell == nullptr ? std::string() : text(*cell));
            }
            runner.Print(line);
        }
    }
}

std::string Escaped(const std::string& bytes)
{
    std::string text;
    for (char c : bytes) {
        switch (c) {
        case '\t':
            text += "\\t";
            break;
        case '\n':
            text += "\\n";
            break;
        case '\r':
            text += "\\r";
            break;
        case '\0':
            text += "\\0";
            break;
        case '\\':
            text += "\\\\";
            break;
        default:
            text += c;
        }
    }
    return text;
}

// The bytes of one clipboard format; false when it is not there.
bool ClipboardBytes(UINT format, std::string& bytes)
{
    HANDLE data = GetClipboardData(format);
    const void* memory = data == nullptr ? nullptr : GlobalLock(data);
    if (memory == nullptr) {
        return false;
    }
    bytes.assign(static_cast<const char*>(memory), GlobalSize(data));
    GlobalUnlock(data);
    return true;
}

void DumpClipboard(ScriptRunner& runner)
{
    if (!OpenClipboard(Model().mainWindow)) {
        throw std::runtime_error("cannot open the clipboard");
    }
    std::string text, unicode;
    const bool hasText = ClipboardBytes(CF_TEXT, text);
    const bool hasUnicode = ClipboardBytes(CF_UNICODETEXT, unicode);
    CloseClipboard();
    runner.Print(hasText ? Escaped(text) : "(no text)");
    runner.Print(std::string("unicode ") + (hasUnicode ? "yes" : "no"));
    if (hasUnicode) {
        runner.Print("unicode-text "
                     + Escaped(Utf8(reinterpret_cast<const wchar_t*>(unicode.data()),
                                    static_cast<int>(unicode.size() / sizeof(wchar_t)))));
    }
}

// The formats on the clipboard in the order it lists them, by name
// (CF_TEXT and the other standard ones by their constant's name); then
// the content of the XML Spreadsheet format when it is there.
void DumpClipboardFormats(ScriptRunner& runner)
{
    static const std::pair<UINT, const char*> standard[] = {
        {CF_TEXT, "CF_TEXT"}, {CF_OEMTEXT, "CF_OEMTEXT"}, {CF_UNICODETEXT, "CF_UNICODETEXT"}, {CF_LOCALE, "CF_LOCALE"}};
    if (!OpenClipboard(Model().mainWindow)) {
        throw std::runtime_error("cannot open the clipboard");
    }
    std::string line = "formats";
    for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
        char name[256] = {};
        for (const auto& known : standard) {
            if (known.first == format) {
                std::snprintf(name, sizeof name, "%s", known.second);
            }
        }
        if (name[0] == '\0' && GetClipboardFormatNameA(format, name, sizeof name) == 0) {
            std::snprintf(name, sizeof name, "#%u", format);
        }
        line += std::string("\t") + name;
    }
    std::string xml;
    const bool hasXml = ClipboardBytes(RegisterClipboardFormatA("XML Spreadsheet"), xml);
    CloseClipboard();
    runner.Print(line);
    if (hasXml) {
        runner.Print("XML Spreadsheet\t" + Escaped(xml));
    }
}

void DumpMenu(ScriptRunner& runner, const ControlNode& node, const std::string& indent)
{
    for (const auto& child : node.children) {
        runner.Print(indent + child->caption + "\t" + child->tooltip + "\tgroup=" + (child->beginGroup ? "1" : "0")
                     + "\ttemporary=" + (child->temporary ? "1" : "0"));
        DumpMenu(runner, *child, indent + "  ");
    }
}

// The process's working set now and at its highest so far, as Windows
// counts them ("PROCESS_MEMORY_COUNTERS structure", Win32 documentation).
void DumpMemory(ScriptRunner& runner)
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) {
        throw std::runtime_error("cannot read the process's memory counters");
    }
    runner.Print("memory\tworking=" + std::to_string(counters.WorkingSetSize)
                 + "\tpeak=" + std::to_string(counters.PeakWorkingSetSize));
}

std::string Lcid(LCID lcid)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%04lX", static_cast<unsigned long>(lcid));
    return text;
}

StepResult DumpStep(ScriptRunner& runner, const std::vector<std::string>& words)
{
    const std::string& what = words[1];
    const bool hasReference = words.size() > 2;
    if ((what == "cells" || what == "text" || what == "formulas") != hasReference) {
        throw std::runtime_error("dump " + what + (hasReference ? " takes no reference" : " needs a reference"));
    }
    if (what == "cells") {
        DumpArea(runner, words[2], [](const Cell& cell) { return ValueText(cell.value); });
    } else if (what == "text") {
        DumpArea(runner, words[2], [](const Cell& cell) { return DisplayText(cell.value, cell.format); });
    } else if (what == "formulas") {
        DumpArea(runner, words[2], [](const Cell& cell) { return cell.formula; });
    } else if (what == "names") {
        if (Model().book) {
            for (const auto& name : Model().book->names) {
                runner.Print(name.second.first + "=" + ValueText(name.second.second));
            }
        }
    } else if (what == "clipboard") {
        DumpClipboard(runner);
    } else if (what == "formats") {
        DumpClipboardFormats(runner);
    } else if (what == "memory") {
        DumpMemory(runner);
    } else if (what == "images") {
        DumpRibbonImages(runner);
    } else if (what == "menu") {
        if (Model().tools) {
            DumpMenu(runner, *Model().tools, "");
        }
    } else if (what == "state") {
        runner.Print("Cursor\t" + std::to_string(Model().cursor) + "\tlcid=" + Lcid(Model().cursorLcid));
        runner.Print(std::string("ScreenUpdating\t") + (Model().screenUpdating ? "TRUE" : "FALSE")
                     + "\tlcid=" + Lcid(Model().screenUpdatingLcid));
    } else if (what == "calls") {
        for (const auto& count : CallBook::Instance().Take()) {
            runner.Print(count.first + "\t" + std::to_string(count.second));
        }
    } else if (what == "lookups") {
        for (const auto& count : CallBook::Instance().TakeLookups()) {
            runner.Print(count.first + "\t" + std::to_string(count.second));
        }
    } else if (what == "lcids") {
        for (const auto& call : CallBook::Instance().TakeLocales()) {
            runner.Print(call.first + "\tlcid=" + Lcid(call.second));
        }
    } else if (what == "sheets") {
        if (Model().book) {
            for (std::size_t i = 0; i < Model().book->sheets.size(); ++i) {
                runner.Print(Model().book->sheets[i]->name + (i == Model().book->active ? "\t*" : ""));
            }
        }
    } else if (what == "selection") {
        runner.Print(!Model().book          ? "(no workbook)"
                     : Model().chartSelected ? "chart"
                                             : Model().book->Active()->name + "!" + AddressText(Model().selection, true, true));
    } else if (what == "registrations") {
        for (const auto& texts : TestExcel::Instance().Registrations()) {
            std::string line;
            for (std::size_t t = 0; t < texts.size(); ++t) {
                line += (t > 0 ? "\t" : "") + texts[t];
            }
            runner.Print(line);
        }
    } else {
        throw std::runtime_error("nothing to dump called " + what);
    }
    return StepResult::Done;
}

StepResult ClearClipboardStep(ScriptRunner&, const std::vector<std::string>&)
{
    if (!OpenClipboard(Model().mainWindow)) {
        throw std::runtime_error("cannot open the clipboard");
    }
    EmptyClipboard();
    CloseClipboard();
    return StepResult::Done;
}
} // namespace

void AddDumpSteps(StepTable& table)
{
    table["dump"] = {&DumpStep, 2, 3, false};
    table["clearclipboard"] = {&ClearClipboardStep, 1, 1, false};
}

} // namespace xlhost
