#include "tests/xlhost/ExcelObjects.h"

#include <algorithm>

#include "tests/xlhost/ExcelRange.h"
#include "tests/xlhost/HostModel.h"
#include "tests/xlhost/MacroText.h"
#include "tests/xlhost/OfficeBars.h"
#include "tests/xlhost/TestExcel.h"
#include "win/com/OfficeInterfaces.h"

namespace xlhost {
namespace {
HostModel& Model()
{
    return HostModel::Instance();
}

// A reference argument: a text, or a range of this Excel.
RangeRef ReferenceArgument(const Args& args, std::size_t i, const xlhost::Workbook& book)
{
    const VARIANT& argument = args.At(i);
    if (argument.vt == VT_DISPATCH) {
        const auto* range = dynamic_cast<ExcelRange*>(HostObject::From(argument.pdispVal));
        if (range == nullptr) {
            throw ComFailure{kExcelError, ""};
        }
        return range->Reference();
    }
    RangeRef reference;
    if (!ParseRangeText(args.Text(i), book, reference)) {
        throw ComFailure{kExcelError, ""};
    }
    return reference;
}

// Range(Cell1[, Cell2]): the second gives the rectangle spanning both.
RangeRef RangeArguments(const Args& args, const xlhost::Workbook& book)
{
    RangeRef reference = ReferenceArgument(args, 0, book);
    if (!args.Has(1)) {
        return reference;
    }
    const RangeRef other = ReferenceArgument(args, 1, book);
    if (other.sheet != reference.sheet) {
        throw ComFailure{kExcelError, ""};
    }
    Area span = reference.areas.front();
    for (const Area& area : other.areas) {
        span = Area{std::min(span.row1, area.row1), std::min(span.column1, area.column1),
                    std::max(span.row2, area.row2), std::max(span.column2, area.column2)};
    }
    return RangeRef{reference.sheet, {span}};
}
} // namespace

HostObject* NewSelection()
{
    const xlhost::Workbook& book = Model().Book();
    if (Model().chartSelected) {
        return new ExcelChart();
    }
    return new ExcelRange(RangeRef{book.Active(), Model().selection});
}

ExcelApplication::ExcelApplication() : HostObject("Application") {}

const std::vector<HostObject::Member>& ExcelApplication::Members() const
{
    using A = ExcelApplication;
    static const std::vector<Member> members = {
        {"CommandBars", false, &Get<A, &A::GetCommandBars>, nullptr},
        {"RegisterXLL", true, &Get<A, &A::RegisterXLL>, nullptr},
        {"ExecuteExcel4Macro", true, &Get<A, &A::ExecuteExcel4Macro>, nullptr},
        {"Selection", false, &Get<A, &A::GetSelection>, nullptr},
        {"ActiveWindow", false, &Get<A, &A::GetActiveWindow>, nullptr},
        {"ActiveWorkbook", false, &Get<A, &A::GetActiveWorkbook>, nullptr},
        {"ActiveSheet", false, &Get<A, &A::GetActiveSheet>, nullptr},
        {"Range", false, &Get<A, &A::GetRange>, nullptr},
        {"Intersect", true, &Get<A, &A::Intersect>, nullptr},
        {"Cursor", false, &Get<A, &A::GetCursor>, &Put<A, &A::PutCursor>},
        {"ScreenUpdating", false, &Get<A, &A::GetScreenUpdating>, &Put<A, &A::PutScreenUpdating>},
        {"Hwnd", false, &Get<A, &A::GetHwnd>, nullptr},
        {"Name", false, &Get<A, &A::GetName>, nullptr},
    };
    return members;
}

bool ExcelApplication::Answers(REFIID iid) const
{
    return iid == IID_ExcelApplication;
}

void ExcelApplication::GetCommandBars(const Args&, VARIANT& result)
{
    SetObject(result, new OfficeCommandBars());
}

void ExcelApplication::RegisterXLL(const Args& args, VARIANT& result)
{
    const std::string path = args.Text(0);
    HMODULE module = LoadLibraryW(Wide(path).c_str());
    using AutoOpen = int(XLL_CALL*)();
    const auto autoOpen =
        module == nullptr ? nullptr
                          : reinterpret_cast<AutoOpen>(reinterpret_cast<void (*)()>(GetProcAddress(module, "xlAutoOpen")));
    bool opened = false;
    if (autoOpen != nullptr) {
        TestExcel::Instance().SetDllName(path);
        const TestExcel::XllCall calling;
        opened = autoOpen() == 1;
    }
    SetBool(result, opened);
}

void ExcelApplication::ExecuteExcel4Macro(const Args& args, VARIANT& result)
{
    const Macro macro = ParseMacro(args.Text(0));
    xlhost::Workbook& book = Model().Book();
    if (macro.kind == MacroKind::Unknown) {
        throw ComFailure{kExcelError, ""};
    }
    if (macro.kind == MacroKind::SetName) {
        if (macro.hasValue) {
            book.SetName(macro.name, macro.value);
        } else {
            book.names.erase(Upper(macro.name));
        }
        SetBool(result, true);
        return;
    }
    const CellValue* value = book.FindName(macro.name);
    if (value == nullptr) {
        result.vt = VT_ERROR;
        result.scode = static_cast<SCODE>(0x800A07E5); // #NAME?
        return;
    }
    Cell cell;
    cell.value = *value;
    CellToVariant(&cell, result);
}

void ExcelApplication::GetSelection(const Args&, VARIANT& result)
{
    SetObject(result, NewSelection());
}

void ExcelApplication::GetActiveWindow(const Args&, VARIANT& result)
{
    Model().Book();
    SetObject(result, new ExcelWindow());
}

// Nothing with no workbook open, as Excel answers; the caller meets the
// null object when it uses it.
void ExcelApplication::GetActiveWorkbook(const Args&, VARIANT& result)
{
    SetObject(result, Model().book ? new ExcelWorkbook(Model().book) : nullptr);
}

void ExcelApplication::GetActiveSheet(const Args&, VARIANT& result)
{
    SetObject(result, new ExcelWorksheet(Model().Book().Active()));
}

void ExcelApplication::GetRange(const Args& args, VARIANT& result)
{
    SetObject(result, new ExcelRange(RangeArguments(args, Model().Book())));
}

// Intersect(Arg1, Arg2, ...): the cells every reference covers, Nothing
// when there are none; references on different sheets fail.
void ExcelApplication::Intersect(const Args& args, VARIANT& result)
{
    args.Need(2);
    RangeRef common = ReferenceArgument(args, 0, Model().Book());
    for (std::size_t i = 1; i < args.Count() && !common.areas.empty(); ++i) {
        if (!args.Has(i)) {
            continue;
        }
        const RangeRef next = ReferenceArgument(args, i, Model().Book());
        if (next.sheet != common.sheet) {
            throw ComFailure{kExcelError, "Method 'Intersect' of object '_Application' failed"};
        }
        common.areas = IntersectAreas(common.areas, next.areas);
    }
    SetObject(result, common.areas.empty() ? nullptr : new ExcelRange(common));
}

void ExcelApplication::GetCursor(const Args&, VARIANT& result)
{
    SetLong(result, Model().cursor);
}

void ExcelApplication::PutCursor(const Args&, const VARIANT& value)
{
    const long cursor = LongOf(value);
    if (cursor != xlDefault && cursor != xlWait && cursor != 1 && cursor != 3 && cursor != 4) {
        throw ComFailure{kExcelError, ""};
    }
    Model().cursor = cursor;
    Model().cursorLcid = CallLcid();
}

void ExcelApplication::GetScreenUpdating(const Args&, VARIANT& result)
{
    SetBool(result, Model().screenUpdating);
}

void ExcelApplication::PutScreenUpdating(const Args&, const VARIANT& value)
{
    Model().screenUpdating = BoolOf(value);
    Model().screenUpdatingLcid = CallLcid();
}

void ExcelApplication::GetHwnd(const Args&, VARIANT& result)
{
    SetLong(result, static_cast<long>(reinterpret_cast<INT_PTR>(Model().mainWindow)));
}

void ExcelApplication::GetName(const Args&, VARIANT& result)
{
    SetText(result, "Microsoft Excel");
}

const std::vector<HostObject::Member>& ExcelWindow::Members() const
{
    using W = ExcelWindow;
    static const std::vector<Member> members = {
        {"Selection", false, &Get<W, &W::GetSelection>, nullptr},
        {"Caption", false, &Get<W, &W::GetCaption>, nullptr},
    };
    return members;
}

void ExcelWindow::GetSelection(const Args&, VARIANT& result)
{
    SetObject(result, NewSelection());
}

void ExcelWindow::GetCaption(const Args&, VARIANT& result)
{
    SetText(result, Model().Book().name);
}

const std::vector<HostObject::Member>& ExcelWorkbook::Members() const
{
    using B = ExcelWorkbook;
    static const std::vector<Member> members = {
        {"Worksheets", false, &Get<B, &B::GetWorksheets>, nullptr},
        {"Sheets", false, &Get<B, &B::GetWorksheets>, nullptr},
        {"Name", false, &Get<B, &B::GetName>, nullptr},
    };
    return members;
}

void ExcelWorkbook::GetWorksheets(const Args&, VARIANT& result)
{
    SetObject(result, new ExcelSheets(m_book));
}

void ExcelWorkbook::GetName(const Args&, VARIANT& result)
{
    SetText(result, m_book->name);
}

const std::vector<HostObject::Member>& ExcelSheets::Members() const
{
    using S = ExcelSheets;
    static const std::vector<Member> members = {
        {"Add", true, &Get<S, &S::Add>, nullptr},
        {"Count", false, &Get<S, &S::GetCount>, nullptr},
        {"Item", false, &Get<S, &S::GetItem>, nullptr},
    };
    return members;
}

void ExcelSheets::Add(const Args& args, VARIANT& result)
{
    if (args.Has(0) || args.Has(1) || args.Has(2) || args.Has(3)) {
        throw ComFailure{kExcelError, ""}; // Before, After, Count and Type are not played
    }
    if (m_book != Model().book) {
        throw ComFailure{kExcelError, ""}; // the workbook was closed
    }
    const std::size_t position = m_book->active;
    const auto sheet = m_book->AddSheet(m_book->NextSheetName(), position);
    Model().Activate(position);
    SetObject(result, new ExcelWorksheet(sheet));
}

void ExcelSheets::GetCount(const Args&, VARIANT& result)
{
    SetLong(result, static_cast<long>(m_book->sheets.size()));
}

void ExcelSheets::GetItem(const Args& args, VARIANT& result)
{
    const VARIANT& index = args.At(0);
    std::shared_ptr<Sheet> sheet;
    if (index.vt == VT_BSTR) {
        sheet = m_book->FindSheet(args.Text(0));
    } else {
        const long position = args.Long(0);
        if (position >= 1 && static_cast<std::size_t>(position) <= m_book->sheets.size()) {
            sheet = m_book->sheets[static_cast<std::size_t>(position - 1)];
        }
    }
    if (!sheet) {
        throw ComFailure{static_cast<HRESULT>(0x8002000B), "Subscript out of range"};
    }
    SetObject(result, new ExcelWorksheet(sheet));
}

const std::vector<HostObject::Member>& ExcelWorksheet::Members() const
{
    using S = ExcelWorksheet;
    static const std::vector<Member> members = {
        {"Cells", false, &Get<S, &S::GetCells>, nullptr},
        {"Name", false, &Get<S, &S::GetName>, nullptr},
        {"Range", false, &Get<S, &S::GetRange>, nullptr},
        {"UsedRange", false, &Get<S, &S::GetUsedRange>, nullptr},
    };
    return members;
}

void ExcelWorksheet::GetCells(const Args&, VARIANT& result)
{
    SetObject(result, new ExcelRange(RangeRef{m_sheet, {Area{1, 1, kRows, kColumns}}}));
}

void ExcelWorksheet::GetName(const Args&, VARIANT& result)
{
    SetText(result, m_sheet->name);
}

void ExcelWorksheet::GetRange(const Args& args, VARIANT& result)
{
    Area area;
    if (!ParseArea(args.Text(0), area)) {
        throw ComFailure{kExcelError, ""};
    }
    SetObject(result, new ExcelRange(RangeRef{m_sheet, {area}}));
}

void ExcelWorksheet::GetUsedRange(const Args&, VARIANT& result)
{
    SetObject(result, new ExcelRange(RangeRef{m_sheet, {UsedArea(*m_sheet)}}));
}

const std::vector<HostObject::Member>& ExcelChart::Members() const
{
    static const std::vector<Member> members = {
        {"Name", false, &Get<ExcelChart, &ExcelChart::GetName>, nullptr},
    };
    return members;
}

void ExcelChart::GetName(const Args&, VARIANT& result)
{
    SetText(result, "Chart Area");
}

const std::vector<HostObject::Member>& ExcelAreas::Members() const
{
    static const std::vector<Member> members = {
        {"Count", false, &Get<ExcelAreas, &ExcelAreas::GetCount>, nullptr},
        {"Item", false, &Get<ExcelAreas, &ExcelAreas::GetItem>, nullptr},
    };
    return members;
}

void ExcelAreas::GetCount(const Args&, VARIANT& result)
{
    SetLong(result, static_cast<long>(m_reference.areas.size()));
}

void ExcelAreas::GetItem(const Args& args, VARIANT& result)
{
    const long index = args.Long(0);
    if (index < 1 || static_cast<std::size_t>(index) > m_reference.areas.size()) {
        throw ComFailure{kExcelError, ""};
    }
    SetObject(result, new ExcelRange(RangeRef{m_reference.sheet, {m_reference.areas[static_cast<std::size_t>(index - 1)]}}));
}

} // namespace xlhost
