// The formula step: Excel calculating a worksheet formula that calls one of
// the functions the add-in registered through RegisterXLL.
#include <windows.h>

#include <stdexcept>

#include "tests/xlhost/HostDispatch.h"
#include "tests/xlhost/ScriptRunner.h"
#include "tests/xlhost/StepCells.h"

namespace xlhost {
namespace {
constexpr std::uint64_t kMostFormulaCells = 100000;

// A cell of the result as the sheet keeps it; Excel shows an array result
// in a one-cell formula by its first element.
CellValue ToCellValue(const HostResult& result)
{
    if (result.null || result.cells.empty()) {
        return CellValue::Error(2000 + xlerr::Value);
    }
    const TestCell& first = result.cells.front();
    switch (first.type) {
    case xltype::Num:
    case xltype::Int:
        return CellValue::Number(first.num);
    case xltype::Bool:
        return CellValue::Bool(first.flag);
    case xltype::Err:
        return CellValue::Error(2000 + first.err);
    case xltype::Str:
        return CellValue::Text(first.text);
    default:
        return CellValue::Error(2000 + xlerr::Value);
    }
}

HMODULE LoadedXll()
{
    const std::string& path = TestExcel::Instance().DllName();
    HMODULE module = GetModuleHandleA(path.c_str());
    if (module == nullptr) {
        throw std::runtime_error("no add-in is loaded as an XLL (connect it first)");
    }
    return module;
}

// formula REF CALL: each cell of REF gets the formula "=CALL" and its value,
// calculated with that cell as the caller, top row first, as a formula
// filled over the range.
StepResult FormulaStep(ScriptRunner&, const std::vector<std::string>& words)
{
    const RangeRef range = StepReference(words[1]);
    if (range.areas.size() != 1) {
        throw std::runtime_error("no one-area reference: " + words[1]);
    }
    const Area& area = range.areas.front();
    // An Excel with Excel4 only has the XLOPER's grid.
    const bool xloper12 = TestExcel::Instance().OffersXloper12();
    if (area.Cells() > kMostFormulaCells || (!xloper12 && (area.row2 > kSheetRows || area.column2 > kSheetColumns))) {
        throw std::runtime_error("too many cells for a formula step: " + words[1]);
    }
    const std::string text = words[2][0] == '=' ? words[2].substr(1) : words[2];
    const HostCall call = ParseCall(text);
    const HMODULE module = LoadedXll();
    ForEachCell(range, [&](std::uint32_t r, std::uint32_t c) {
        TestExcel::Instance().SetCaller(TestArea{r - 1, r - 1, c - 1, c - 1});
        const HostResult result = CallWorksheetFunction(module, call);
        Cell& cell = range.sheet->At(r, c);
        cell.formula = "=" + text;
        cell.value = ToCellValue(result);
    });
    return StepResult::Done;
}
} // namespace

void AddFormulaSteps(StepTable& table)
{
    table["formula"] = {&FormulaStep, 3, 3, false};
}

} // namespace xlhost
