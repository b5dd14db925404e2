#include "commands/samplesort/RandomSort.h"

#include "commands/Commands.h"

#include <utility>
#include <vector>

#include "commands/samplesort/CellTexts.h"
#include "commands/samplesort/RandomSortDialog.h"
#include "commands/samplesort/SelectionCommand.h"
#include "commands/samplesort/SortInPlace.h"
#include "commands/samplesort/SortPlan.h"
#include "commands/samplesort/TabbedClipboard.h"
#include "engine/Sampling.h"
#include "win/ui/EscapeKey.h"

namespace {

void SortSelection(const CExcelRange& selection, HWND owner)
{
    CRandomSort dialog;
    if (dialog.DoModal(owner) != IDOK)
        return;
    const CSortJob job(selection, dialog.GroupRows(), dialog.ToClipboard(), owner);
    job.Run();
}

} // namespace

CSortJob::CSortJob(const CExcelRange& selection, bool groupRows, bool toClipboard, HWND owner)
    : m_selection(selection), m_groupRows(groupRows), m_toClipboard(toClipboard), m_owner(owner),
      m_rows(selection.RowCount()), m_columns(selection.ColumnCount())
{
}

void CSortJob::Run() const
{
    const auto rows = static_cast<std::uint32_t>(m_rows);
    const auto columns = static_cast<std::uint32_t>(m_columns);
    // Every cell is numbered in 32 bits and shuffled with a signed index.
    if (SortItemCount(rows, columns, false) > kMostSortItems)
        throw CCommandError(L"The selection has too many cells to sort.");
    Permutation p = IdentityPermutation(SortItemCount(rows, columns, m_groupRows));
    if (!p.empty())
        ShuffleRows(p.data(), p.data() + p.size());
    const std::vector<std::uint32_t> sources = SourceCells(p, rows, columns, m_groupRows);
    if (m_toClipboard) {
        ToClipboard(sources);
        return;
    }
    CInPlaceSort sort(m_selection, m_rows, m_columns);
    sort.Apply(sources, m_groupRows ? MovedRowBlocks(p) : std::vector<RowBlock>{{0, rows}});
}

void CSortJob::ToClipboard(const std::vector<std::uint32_t>& sources) const
{
    CCellTexts texts;
    texts.Reserve(sources.size());
    for (std::uint32_t source : sources) {
        // Esc at the start of a line leaves the clipboard as it was.
        if (texts.size() % static_cast<size_t>(m_columns) == 0 && EscapePressed())
            return;
        const auto row = static_cast<long>(source / m_columns) + 1;
        const auto column = static_cast<long>(source % m_columns) + 1;
        texts.Add(CellText(m_selection.Cell(row, column)));
    }
    PutTabbedLines(m_owner, std::move(texts), static_cast<size_t>(m_columns));
}

void RunRandomSort(const CExcelApplication& application)
{
    RunOnSelection(application, L"Select the cells to sort first.", &SortSelection);
}
