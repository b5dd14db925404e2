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
// The kind bits of xltype, without the free-later bits a DLL may set.
constexpr XlWord kKindBits = 0x0FFF;

// A cell of the result as the sheet keeps it; Excel shows an array result
// in a one-cell formula by its first element.
CellValue ToCellValue(const XLOPER& value)
{
    switch (value.xltype & kKindBits) {
    case xltype::Num:
        return CellValue::Number(value.val.num);
    case xltype::Bool:
        return CellValue::Bool(value.val.xbool != 0);
    case xltype::Err:
        return CellValue::Error(2000 + value.val.err);
    case xltype::Str:
        return CellValue::Text(std::string(value.val.str + 1, static_cast<unsigned char>(value.val.str[0])));
    case xltype::Multi:
        if (value.val.array.rows > 0 && value.val.array.columns > 0) {
            return ToCellValue(value.val.array.lparray[0]);
        }
        break;
    default:
        break;
    }
    return CellValue::Error(2000 + xlerr::Value);
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
    if (area.Cells() > kMostFormulaCells || area.row2 > kSheetRows || area.column2 > kSheetColumns) {
        throw std::runtime_error("too many cells for a formula step: " + words[1]);
    }
    const std::string text = words[2][0] == '=' ? words[2].substr(1) : words[2];
    const HostCall call = ParseCall(text);
    const HMODULE module = LoadedXll();
    ForEachCell(range, [&](std::uint32_t r, std::uint32_t c) {
        const auto row = static_cast<XlWord>(r - 1);
        const auto column = static_cast<std::uint8_t>(c - 1);
        TestExcel::Instance().SetCaller(XLREF{row, row, column, column});
        XLOPER refusal{};
        const XLOPER* result = CallWorksheetFunction(module, call, refusal);
        Cell& cell = range.sheet->At(r, c);
        cell.formula = "=" + text;
        cell.value = result == nullptr ? CellValue::Error(2000 + xlerr::Value) : ToCellValue(*result);
    });
    return StepResult::Done;
}
} // namespace

void AddFormulaSteps(StepTable& table)
{
    table["formula"] = {&FormulaStep, 3, 3, false};
}

} // namespace xlhost
