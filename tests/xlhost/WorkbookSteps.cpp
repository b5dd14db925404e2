// Steps that set up the workbook and the test Excel's behaviour.
#include <fstream>
#include <stdexcept>

#include "tests/xlhost/CallBook.h"
#include "tests/xlhost/CellText.h"
#include "tests/xlhost/HostModel.h"
#include "tests/xlhost/MacroText.h"
#include "tests/xlhost/ScriptRunner.h"
#include "tests/xlhost/StepCells.h"

namespace xlhost {
namespace {
HostModel& Model()
{
    return HostModel::Instance();
}

void LoadCsv(Sheet& sheet, const std::string& path)
{
    std::ifstream file(path);
    if (!file) {
        throw std::runtime_error("cannot open " + path);
    }
    std::string line;
    for (std::uint32_t row = 1; std::getline(file, line); ++row) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::vector<std::string> fields = ParseCsvLine(line);
        for (std::uint32_t column = 1; column <= fields.size(); ++column) {
            const std::string& field = fields[column - 1];
            if (field.empty()) {
                continue;
            }
            Cell& cell = sheet.At(row, column);
            const bool formula = field[0] == '=';
            cell.formula = formula ? field : std::string();
            cell.value = ParseCellText(formula ? field.substr(1) : field);
        }
    }
}

StepResult SheetStep(ScriptRunner& runner, const std::vector<std::string>& words)
{
    if (!Model().book) {
        Model().book = std::make_shared<Workbook>();
    }
    Workbook& book = *Model().book;
    std::shared_ptr<Sheet> sheet = book.FindSheet(words[1]);
    if (!sheet) {
        sheet = book.AddSheet(words[1], book.sheets.size());
    }
    for (std::size_t i = 0; i < book.sheets.size(); ++i) {
        if (book.sheets[i] == sheet) {
            Model().Activate(i);
        }
    }
    if (words.size() > 2) {
        sheet->cells.clear();
        LoadCsv(*sheet, runner.InputPath(words[2]));
    }
    return StepResult::Done;
}

StepResult FormatStep(ScriptRunner&, const std::vector<std::string>& words)
{
    if (!IsKnownFormat(words[2])) {
        throw std::runtime_error("unknown format " + words[2]);
    }
    const RangeRef reference = StepReference(words[1]);
    ForEachCell(reference, [&](std::uint32_t r, std::uint32_t c) { reference.sheet->At(r, c).format = words[2]; });
    return StepResult::Done;
}

StepResult CellStep(ScriptRunner&, const std::vector<std::string>& words)
{
    const RangeRef reference = StepReference(words[1]);
    const CellValue value = ParseCellText(words[2]);
    ForEachCell(reference, [&](std::uint32_t r, std::uint32_t c) { reference.sheet->Put(r, c, value); });
    return StepResult::Done;
}

StepResult SelectStep(ScriptRunner&, const std::vector<std::string>& words)
{
    if (words[1] == "chart") {
        if (!Model().book) {
            throw std::runtime_error("no workbook to select a chart in");
        }
        Model().chartSelected = true;
        return StepResult::Done;
    }
    const RangeRef reference = StepReference(words[1]);
    Workbook& book = *Model().book;
    for (std::size_t i = 0; i < book.sheets.size(); ++i) {
        if (book.sheets[i] == reference.sheet) {
            Model().Activate(i);
        }
    }
    Model().selection = reference.areas;
    return StepResult::Done;
}

StepResult NameStep(ScriptRunner&, const std::vector<std::string>& words)
{
    if (!IsValidName(words[1]) || !Model().book) {
        throw std::runtime_error("cannot define the name " + words[1]);
    }
    Model().book->SetName(words[1], CellValue::Text(words[2]));
    return StepResult::Done;
}

StepResult NoWorkbookStep(ScriptRunner&, const std::vector<std::string>&)
{
    Model().book.reset();
    Model().selection.clear();
    Model().chartSelected = false;
    return StepResult::Done;
}

std::string MemberKey(const std::string& word)
{
    static const char* const objects[] = {"Application", "Range",    "Window",   "Workbook", "Sheets",   "Worksheet",
                                          "CommandBars", "Controls", "Control",  "Areas",    "ChartArea"};
    const std::size_t dot = word.find('.');
    for (const char* object : objects) {
        if (dot != std::string::npos && word.substr(0, dot) == object && dot + 1 < word.size()) {
            return word;
        }
    }
    throw std::runtime_error("no OBJECT.MEMBER: " + word);
}

int Positive(const std::string& word)
{
    std::size_t used = 0;
    const int number = std::stoi(word, &used);
    if (used != word.size() || number < 1) {
        throw std::runtime_error("not a positive number: " + word);
    }
    return number;
}

StepResult FailStep(ScriptRunner&, const std::vector<std::string>& words)
{
    CallBook::Instance().ArmFailure(MemberKey(words[1]), Positive(words[2]));
    return StepResult::Done;
}

StepResult SlowStep(ScriptRunner&, const std::vector<std::string>& words)
{
    CallBook::Instance().SetSlow(MemberKey(words[1]), Positive(words[2]));
    return StepResult::Done;
}

StepResult NoToolsStep(ScriptRunner&, const std::vector<std::string>&)
{
    if (Model().tools) {
        Model().tools->Delete();
        Model().tools.reset();
    }
    return StepResult::Done;
}

StepResult ToolsItemStep(ScriptRunner&, const std::vector<std::string>& words)
{
    if (!Model().tools) {
        throw std::runtime_error("there is no Tools menu");
    }
    Model().tools->Add(10, 1, false, 0)->caption = words[1];
    return StepResult::Done;
}
} // namespace

void AddWorkbookSteps(StepTable& table)
{
    table["sheet"] = {&SheetStep, 2, 3, false};
    table["format"] = {&FormatStep, 3, 3, false};
    table["cell"] = {&CellStep, 3, 3, false};
    table["select"] = {&SelectStep, 2, 2, false};
    table["name"] = {&NameStep, 3, 3, false};
    table["noworkbook"] = {&NoWorkbookStep, 1, 1, false};
    table["fail"] = {&FailStep, 3, 3, false};
    table["slow"] = {&SlowStep, 3, 3, false};
    table["notools"] = {&NoToolsStep, 1, 1, false};
    table["toolsitem"] = {&ToolsItemStep, 2, 2, false};
}

} // namespace xlhost
