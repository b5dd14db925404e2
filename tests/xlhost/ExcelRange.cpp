#include "tests/xlhost/ExcelRange.h"

#include <cmath>

#include "tests/xlhost/CellText.h"
#include "tests/xlhost/ExcelObjects.h"
#include "win/com/OfficeInterfaces.h"

namespace xlhost {
namespace {
// More cells than this in one Value call is more memory than Excel has.
constexpr std::uint64_t kMostCells = 10000000;
constexpr long xlR1C1 = -4150;

void CheckSize(std::uint64_t cells)
{
    if (cells > kMostCells) {
        throw ComFailure{E_OUTOFMEMORY, "Not enough memory."};
    }
}

// One element of an array handed to Value.
VARIANT Element(SAFEARRAY* array, LONG* indices)
{
    VARIANT element;
    VariantInit(&element);
    VARTYPE type = VT_EMPTY;
    SafeArrayGetVartype(array, &type);
    if (type == VT_VARIANT) {
        SafeArrayGetElement(array, indices, &element);
    } else if (SUCCEEDED(SafeArrayGetElement(array, indices, &element.lVal))) {
        element.vt = type; // the element's bytes sit where its type's member lies
    }
    return element;
}

int CurrentYear()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wYear;
}

// A put makes the cell what the entry says; a date shows as one in a
// General cell.
void Store(Sheet& sheet, std::uint32_t row, std::uint32_t column, const TypedEntry& entry)
{
    sheet.Put(row, column, entry.value);
    Cell& cell = sheet.At(row, column);
    cell.formula = entry.formula;
    if (entry.isDate && cell.format == "General") {
        cell.format = "yyyy-mm-dd";
    }
}
} // namespace

void CellToVariant(const Cell* cell, VARIANT& result)
{
    VariantInit(&result);
    if (cell == nullptr) {
        return;
    }
    const CellValue& value = cell->value;
    switch (value.kind) {
    case CellKind::Number:
        SetDouble(result, value.number);
        if (cell->format == "$#,##0.00") {
            VariantChangeType(&result, &result, 0, VT_CY);
        } else if (cell->format == "yyyy-mm-dd") {
            result.vt = VT_DATE;
        }
        return;
    case CellKind::Text:
        SetText(result, value.text);
        return;
    case CellKind::Bool:
        SetBool(result, value.number != 0.0);
        return;
    case CellKind::Error:
        result.vt = VT_ERROR;
        result.scode = static_cast<SCODE>(0x800A0000u | static_cast<unsigned>(value.error));
        return;
    case CellKind::Empty:
        return;
    }
}

TypedEntry VariantToCell(const VARIANT& value)
{
    VARIANT plain;
    VariantInit(&plain);
    VariantCopyInd(&plain, const_cast<VARIANT*>(&value));
    TypedEntry cell;
    switch (plain.vt) {
    case VT_EMPTY:
    case VT_NULL:
        break;
    case VT_BOOL:
        cell.value = CellValue::Bool(plain.boolVal != VARIANT_FALSE);
        break;
    case VT_ERROR:
        cell.value = CellValue::Error(static_cast<int>(plain.scode & 0xFFFF));
        break;
    case VT_BSTR:
        cell = ReadTyped(Utf8(plain.bstrVal, static_cast<int>(SysStringLen(plain.bstrVal))), CurrentYear());
        break;
    default:
        if (FAILED(VariantChangeType(&plain, &plain, 0, VT_R8))) {
            VariantClear(&plain);
            throw ComFailure{DISP_E_TYPEMISMATCH, "Type mismatch."};
        }
        cell.value = CellValue::Number(plain.dblVal);
    }
    VariantClear(&plain);
    return cell;
}

ExcelRange::ExcelRange(RangeRef reference, RangeView view)
    : HostObject("Range"), m_reference(std::move(reference)), m_view(view)
{
}

const std::vector<HostObject::Member>& ExcelRange::Members() const
{
    using R = ExcelRange;
    static const std::vector<Member> members = {
        {"Rows", false, &Get<R, &R::GetRows>, nullptr},
        {"Columns", false, &Get<R, &R::GetColumns>, nullptr},
        {"Cells", false, &Get<R, &R::GetCells>, nullptr},
        {"Count", false, &Get<R, &R::GetCount>, nullptr},
        {"Item", false, &Get<R, &R::GetItem>, &Put<R, &R::PutItem>},
        {"Column", false, &Get<R, &R::GetColumn>, nullptr},
        {"Row", false, &Get<R, &R::GetRow>, nullptr},
        {"Value", false, &Get<R, &R::GetValue>, &Put<R, &R::PutValue>},
        {"Text", false, &Get<R, &R::GetText>, nullptr},
        {"Address", false, &Get<R, &R::GetAddress>, nullptr},
        {"AddressLocal", false, &Get<R, &R::GetAddress>, nullptr},
        {"Resize", false, &Get<R, &R::GetResize>, nullptr},
        {"Areas", false, &Get<R, &R::GetAreas>, nullptr},
        {"Worksheet", false, &Get<R, &R::GetWorksheet>, nullptr},
    };
    return members;
}

bool ExcelRange::Answers(REFIID iid) const
{
    return iid == IID_ExcelRange;
}

Area ExcelRange::CellAt(long row, long column) const
{
    const long long sheetRow = static_cast<long long>(First().row1) + row - 1;
    const long long sheetColumn = static_cast<long long>(First().column1) + column - 1;
    if (sheetRow < 1 || sheetRow > kRows || sheetColumn < 1 || sheetColumn > kColumns) {
        throw ComFailure{kExcelError, ""};
    }
    const auto r = static_cast<std::uint32_t>(sheetRow);
    const auto c = static_cast<std::uint32_t>(sheetColumn);
    return Area{r, c, r, c};
}

void ExcelRange::GetRows(const Args&, VARIANT& result)
{
    SetObject(result, new ExcelRange(m_reference, RangeView::Rows));
}

void ExcelRange::GetColumns(const Args&, VARIANT& result)
{
    SetObject(result, new ExcelRange(m_reference, RangeView::Columns));
}

void ExcelRange::GetCells(const Args&, VARIANT& result)
{
    SetObject(result, new ExcelRange(m_reference));
}

void ExcelRange::GetCount(const Args&, VARIANT& result)
{
    std::uint64_t count = 0;
    if (m_view == RangeView::Rows) {
        count = First().Rows();
    } else if (m_view == RangeView::Columns) {
        count = First().Columns();
    } else {
        for (const Area& area : m_reference.areas) {
            count += area.Cells();
        }
    }
    if (count > 0x7FFFFFFF) {
        throw ComFailure{DISP_E_OVERFLOW, "Overflow"};
    }
    SetLong(result, static_cast<long>(count));
}

void ExcelRange::GetItem(const Args& args, VARIANT& result)
{
    args.Need(1);
    const long first = args.Long(0);
    RangeRef item{m_reference.sheet, {}};
    if (m_view != RangeView::Cells) {
        if (args.Has(1) || first < 1) {
            throw ComFailure{kExcelError, ""};
        }
        Area line = First();
        if (m_view == RangeView::Rows) {
            line.row1 = line.row2 = CellAt(first, 1).row1;
        } else {
            line.column1 = line.column2 = CellAt(1, first).column1;
        }
        item.areas = {line};
        SetObject(result, new ExcelRange(item, m_view));
        return;
    }
    if (args.Has(1)) {
        item.areas = {CellAt(first, args.Long(1))};
    } else {
        // One index counts along the rows of the first area's width.
        const long width = static_cast<long>(First().Columns());
        if (first < 1) {
            throw ComFailure{kExcelError, ""};
        }
        item.areas = {CellAt((first - 1) / width + 1, (first - 1) % width + 1)};
    }
    SetObject(result, new ExcelRange(item));
}

void ExcelRange::PutItem(const Args& args, const VARIANT& value)
{
    args.Need(2);
    if (m_view != RangeView::Cells) {
        throw ComFailure{kExcelError, ""};
    }
    const Area cell = CellAt(args.Long(0), args.Long(1));
    Store(*m_reference.sheet, cell.row1, cell.column1, VariantToCell(value));
}

void ExcelRange::GetColumn(const Args&, VARIANT& result)
{
    SetLong(result, static_cast<long>(First().column1));
}

void ExcelRange::GetRow(const Args&, VARIANT& result)
{
    SetLong(result, static_cast<long>(First().row1));
}

void ExcelRange::GetValue(const Args&, VARIANT& result)
{
    const Area& area = First();
    if (area.Cells() == 1) {
        CellToVariant(m_reference.sheet->Find(area.row1, area.column1), result);
        return;
    }
    CheckSize(area.Cells());
    SAFEARRAYBOUND bounds[2] = {{area.Rows(), 1}, {area.Columns(), 1}};
    SAFEARRAY* array = SafeArrayCreate(VT_VARIANT, 2, bounds);
    for (LONG r = 1; r <= static_cast<LONG>(area.Rows()); ++r) {
        for (LONG c = 1; c <= static_cast<LONG>(area.Columns()); ++c) {
            VARIANT element;
            CellToVariant(m_reference.sheet->Find(area.row1 + static_cast<std::uint32_t>(r) - 1,
                                                  area.column1 + static_cast<std::uint32_t>(c) - 1),
                          element);
            LONG indices[2] = {r, c};
            SafeArrayPutElement(array, indices, &element);
            VariantClear(&element);
        }
    }
    result.vt = VT_ARRAY | VT_VARIANT;
    result.parray = array;
}

void ExcelRange::PutValue(const Args&, const VARIANT& value)
{
    std::uint64_t cells = 0;
    for (const Area& area : m_reference.areas) {
        cells += area.Cells();
    }
    CheckSize(cells);
    const VARIANT& plain = value.vt == (VT_BYREF | VT_VARIANT) ? *value.pvarVal : value;
    SAFEARRAY* array = (plain.vt & VT_ARRAY) == 0 ? nullptr
                     : (plain.vt & VT_BYREF) != 0 ? *plain.pparray
                                                  : plain.parray;
    const UINT dimensions = array == nullptr ? 0 : SafeArrayGetDim(array);
    if (array != nullptr && dimensions != 1 && dimensions != 2) {
        throw ComFailure{kExcelError, ""};
    }
    LONG low[2] = {0, 0}, high[2] = {0, 0};
    for (UINT d = 0; d < dimensions; ++d) {
        SafeArrayGetLBound(array, d + 1, &low[d]);
        SafeArrayGetUBound(array, d + 1, &high[d]);
    }
    // A one-dimensional array is one row.
    const LONG rows = dimensions == 2 ? high[0] - low[0] + 1 : 1;
    const LONG columns = dimensions == 2 ? high[1] - low[1] + 1 : high[0] - low[0] + 1;
    for (const Area& area : m_reference.areas) {
        for (std::uint32_t r = 0; r < area.Rows(); ++r) {
            for (std::uint32_t c = 0; c < area.Columns(); ++c) {
                TypedEntry cell;
                if (array == nullptr) {
                    cell = VariantToCell(plain);
                } else {
                    // Like an array formula: a single row or column repeats,
                    // cells beyond the array get #N/A.
                    const LONG ar = rows == 1 ? 0 : static_cast<LONG>(r);
                    const LONG ac = columns == 1 ? 0 : static_cast<LONG>(c);
                    if (ar >= rows || ac >= columns) {
                        cell.value = CellValue::Error(2042);
                    } else {
                        LONG indices[2] = {dimensions == 2 ? low[0] + ar : low[0] + ac, low[1] + ac};
                        VARIANT element = Element(array, indices);
                        cell = VariantToCell(element);
                        VariantClear(&element);
                    }
                }
                Store(*m_reference.sheet, area.row1 + r, area.column1 + c, cell);
            }
        }
    }
}

void ExcelRange::GetText(const Args&, VARIANT& result)
{
    std::string common;
    bool first = true;
    for (const Area& area : m_reference.areas) {
        CheckSize(area.Cells());
        for (std::uint32_t r = area.row1; r <= area.row2; ++r) {
            for (std::uint32_t c = area.column1; c <= area.column2; ++c) {
                const Cell* cell = m_reference.sheet->Find(r, c);
                const std::string text = cell == nullptr ? std::string() : DisplayText(cell->value, cell->format);
                if (!first && text != common) {
                    result.vt = VT_NULL; // cells of different texts
                    return;
                }
                common = text;
                first = false;
            }
        }
    }
    SetText(result, common);
}

void ExcelRange::GetAddress(const Args& args, VARIANT& result)
{
    const bool rowAbsolute = args.Has(0) ? args.Bool(0) : true;
    const bool columnAbsolute = args.Has(1) ? args.Bool(1) : true;
    const long style = args.Has(2) ? args.Long(2) : xlA1;
    const bool external = args.Has(3) && args.Bool(3);
    if (style != xlA1 && style != xlR1C1) {
        throw ComFailure{kExcelError, ""};
    }
    std::string text = style == xlA1 ? AddressText(m_reference.areas, rowAbsolute, columnAbsolute)
                                     : AddressTextR1C1(m_reference.areas);
    if (external) {
        const std::string prefix = "[Book1]" + m_reference.sheet->name;
        const bool quote = prefix.find_first_of(" '-") != std::string::npos;
        text = (quote ? "'" + prefix + "'" : prefix) + "!" + text;
    }
    SetText(result, text);
}

void ExcelRange::GetResize(const Args& args, VARIANT& result)
{
    const long rows = args.Has(0) ? args.Long(0) : static_cast<long>(First().Rows());
    const long columns = args.Has(1) ? args.Long(1) : static_cast<long>(First().Columns());
    if (rows < 1 || columns < 1) {
        throw ComFailure{kExcelError, ""};
    }
    const Area corner = CellAt(rows, columns);
    SetObject(result, new ExcelRange(RangeRef{m_reference.sheet, {Area{First().row1, First().column1, corner.row1,
                                                                      corner.column1}}}));
}

void ExcelRange::GetAreas(const Args&, VARIANT& result)
{
    SetObject(result, new ExcelAreas(m_reference));
}

void ExcelRange::GetWorksheet(const Args&, VARIANT& result)
{
    SetObject(result, new ExcelWorksheet(m_reference.sheet));
}

} // namespace xlhost
