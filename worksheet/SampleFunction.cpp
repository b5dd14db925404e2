#include <cmath>
#include <new>

#include "engine/InternalGenerator.h"
#include "engine/Sampling.h"
#include "worksheet/EntryPoints.h"
#include "worksheet/RowsInUse.h"
#include "worksheet/WorksheetFrame.h"

namespace {
struct DataArray {
    const XLOPER12* cells;
    std::uint32_t rows;
    std::uint32_t columns;

    const XLOPER12& At(std::uint32_t row, std::uint32_t column) const
    {
        return cells[static_cast<std::size_t>(row) * columns + column];
    }
};

// The weight column, 1 to columns; 0 when the argument refuses.
std::uint32_t WeightColumn(const XlfOper& weight, std::uint32_t columns)
{
    const double column = weight.ReadDouble();
    // Compared before truncating, so that NaN and huge values are refused
    // without an overflowing conversion.
    if (!(column >= 1.0 && column < static_cast<double>(columns) + 1.0)) {
        return 0;
    }
    return static_cast<std::uint32_t>(column);
}

WeightList ReadWeights(const DataArray& data, std::uint32_t column)
{
    WeightList weights;
    weights.reserve(data.rows);
    for (std::uint32_t r = 0; r < data.rows; ++r) {
        weights.push_back(XlfOper(const_cast<XLOPER12*>(&data.At(r, column - 1))).ReadDouble());
    }
    return weights;
}

// The routine is the one the shared sampling rule picks; an equal-weight
// unique sample larger than the data takes every row once, then blanks.
ElementList DrawRows(std::uint32_t rows, const WeightList& weights, bool unique, std::uint32_t count)
{
    ElementList elements;
    FillSequence(elements, rows, 0);
    const bool allRowsOnce = unique && weights.empty() && count > rows;
    ElementList drawn;
    SampleByRule(elements, weights, unique, allRowsOnce ? rows : count, drawn, g_generator.DistributionStream());
    return drawn;
}

// A copy of a data cell that keeps its kind; other kinds become "".
void CopyCell(const XLOPER12& source, XLOPER12* target)
{
    XlfOper cell(target);
    switch (source.xltype & ~xltype::FreeLater) {
    case xltype::Num:
        cell.SetNumber(source.val.num);
        break;
    case xltype::Int:
        cell.SetInt(source.val.w);
        break;
    case xltype::Str:
        cell.SetText(CountedText(source.val.str));
        break;
    case xltype::Bool:
        cell.SetBool(source.val.xbool != 0);
        break;
    case xltype::Err:
        cell.SetError(source.val.err);
        break;
    default:
        cell.SetText("");
        break;
    }
    if (cell.IsEmpty()) {
        throw std::bad_alloc(); // no pool memory for the text
    }
}

void FillResult(XLOPER12* target, const XlfRange& caller, const DataArray& data, const ElementList& drawn)
{
    static const XLOPER12 blank = [] {
        XLOPER12 value{};
        value.xltype = xltype::Nil;
        return value;
    }();
    for (std::uint32_t r = 0; r < caller.Rows(); ++r) {
        for (std::uint32_t c = 0; c < caller.Columns(); ++c) {
            const bool copied = r < drawn.size() && c < data.columns;
            CopyCell(copied ? data.At(drawn[r], c) : blank, target++);
        }
    }
}
} // namespace

XlfValue* xllQSAMPLE(XlfValue* data, XlfValue* weight, XlfValue* unique)
{
    return WorksheetFrame([=] {
        const XlfRange caller = CallerRange();
        RowsInUse source(Argument(data));
        if (source.Empty()) {
            return ValueError();
        }
        XlfOwnedOper array;
        if (XlfOper(source.Data()).CoerceTo(xltype::Multi, *array.Get()) != xlret::Success
            || array.Type() != xltype::Multi) {
            return ValueError();
        }
        const auto& shape = array.Value().val.array;
        if (shape.lparray == nullptr || shape.rows <= 0 || shape.columns <= 0) {
            return ValueError();
        }
        const DataArray cells{shape.lparray, static_cast<std::uint32_t>(shape.rows),
                              static_cast<std::uint32_t>(shape.columns)};
        WeightList weights;
        const XlfOper weightColumn = Argument(weight);
        if (!IsMissing(weightColumn)) {
            const std::uint32_t column = WeightColumn(weightColumn, cells.columns);
            if (column == 0) {
                return ValueError();
            }
            weights = ReadWeights(cells, column);
        }
        const XlfOper uniqueFlag = Argument(unique);
        const bool isUnique = !IsMissing(uniqueFlag) && uniqueFlag.ReadBool();
        XlfOper result;
        XLOPER12* target = result.SetMulti(caller.Rows(), caller.Columns());
        if (target == nullptr) {
            return result;
        }
        const ElementList drawn = DrawRows(cells.rows, weights, isUnique, caller.Rows());
        // The data array is released (by its owner) only after its cells
        // are copied into the result.
        FillResult(target, caller, cells, drawn);
        return result;
    });
}
