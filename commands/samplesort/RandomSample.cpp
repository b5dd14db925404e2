#include "commands/Commands.h"

#include <cwchar>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "commands/samplesort/CellTexts.h"
#include "commands/samplesort/RandomSampleDialog.h"
#include "commands/samplesort/SelectionCommand.h"
#include "commands/samplesort/TabbedClipboard.h"
#include "engine/InternalGenerator.h"
#include "engine/Sampling.h"
#include "win/ui/EscapeKey.h"
#include "win/ui/MessageBoxes.h"

namespace {

// The weight column's values: one Value call for a single block, else
// one cell at a time, as a multi-area selection gives no single array.
CValueTable WeightValues(const CExcelRange& selection, long rows, long column)
{
    if (selection.AreaCount() == 1) {
        CValueTable table = CValueTable::FromValue(selection.Cell(1, column).Resize(rows, 1).Value());
        if (table.Rows() == rows && table.Columns() == 1)
            return table;
    }
    CValueTable table(rows, 1);
    for (long r = 0; r < rows; ++r)
        table.At(r, 0) = selection.Cell(r + 1, column).Value();
    return table;
}

// Empty counts as 0; TRUE converts to -1 and is refused with the negatives;
// text that is no number does not convert.
bool IsValidWeight(const CVariant& value, double& weight)
{
    return value.ToDouble(weight) && weight >= 0.0;
}

void ShowInvalidWeight(HWND owner, const CExcelRange& cell)
{
    const std::wstring address = cell.AddressLocal();
    std::vector<wchar_t> text(address.size() + 64);
    std::swprintf(text.data(), text.size(), L"The cell %ls doesn't contain a valid weight.", address.c_str());
    ShowError(owner, text.data());
}

// A view of each drawn row's displayed texts in the order drawn into
// `texts`, the texts themselves into `read`: a row drawn again is read
// once. False when the user pressed Esc before the last row was read.
bool DrawnRowTexts(const CExcelRange& selection, const ElementList& drawn, long columns, CCellTexts& read,
                   std::vector<std::wstring_view>& texts)
{
    const auto width = static_cast<size_t>(columns);
    std::unordered_map<std::uint32_t, size_t> firstView; // a row read, to its first view in texts
    texts.reserve(drawn.size() * width);
    for (std::uint32_t row : drawn) {
        const auto found = firstView.find(row);
        if (found != firstView.end()) {
            for (size_t c = 0; c < width; ++c)
                texts.push_back(texts[found->second + c]);
            continue;
        }
        if (EscapePressed())
            return false;
        firstView.emplace(row, texts.size());
        for (long c = 1; c <= columns; ++c)
            texts.push_back(read.Add(DisplayedText(selection.Cell(static_cast<long>(row) + 1, c))));
    }
    return true;
}

void SampleSelection(const CExcelRange& selection, HWND owner)
{
    CRandomSample dialog(selection);
    if (dialog.DoModal(owner) == IDOK)
        dialog.Run(owner);
}

} // namespace

bool ReadWeights(HWND owner, const CExcelRange& selection, std::int32_t weightColumn, std::vector<double>& weights)
{
    const long rows = selection.RowCount();
    const CValueTable values = WeightValues(selection, rows, weightColumn + 1);
    weights.clear();
    for (long r = 0; r < rows; ++r) {
        double weight = 0.0;
        if (!IsValidWeight(values.At(r, 0), weight)) {
            ShowInvalidWeight(owner, selection.Cell(r + 1, weightColumn + 1));
            return false;
        }
        weights.push_back(weight);
    }
    return true;
}

void CRandomSample::Run(HWND owner) const
{
    WeightList weights;
    if (m_weighted && !ReadWeights(owner, m_selection, m_weightColumn, weights))
        return;
    ElementList elements;
    FillSequence(elements, m_rows, 0);
    ElementList drawn;
    SampleByRule(elements, weights, m_unique, static_cast<std::uint32_t>(m_count), drawn,
                 g_generator.DistributionStream());
    // Esc while the rows are read leaves the clipboard as it was.
    CCellTexts read;
    std::vector<std::wstring_view> texts;
    if (!DrawnRowTexts(m_selection, drawn, m_columns, read, texts))
        return;
    PutTabbedLines(owner, std::move(texts), static_cast<size_t>(m_columns));
}

void RunRandomSample(const CExcelApplication& application)
{
    RunOnSelection(application, L"Select the cells to sample from first.", &SampleSelection);
}
