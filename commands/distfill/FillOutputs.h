#pragma once
#include <windows.h>

#include <string>

#include "commands/distfill/GenerateWrapper.h"
#include "uniform/UnitStream.h"
#include "qdists/Distribution.h"
#include "resources/ResourceIds.h"

// The five places a distribution fill writes to: the control ids of their
// radio buttons on the wizard's last page.
enum class COutputMethod : unsigned {
    Selection = IDC_METHOD_SELECTION,
    Address = IDC_METHOD_ADDRESS,
    Clipboard = IDC_METHOD_CLIPBOARD,
    File = IDC_METHOD_FILE,
    NewWorksheet = IDC_METHOD_WORKSHEET
};

// The output the user chose: the method, the size of the clipboard text or
// of the new worksheet, the number of values of a file, and the address or
// the file name.
struct COutputChoice {
    COutputMethod method = COutputMethod::Selection;
    int columns = 0;
    int rows = 0;
    int count = 0;
    std::wstring text;
};

// Draws the values of one output with distribution.Sample on the stream and
// writes them. Excel's errors leave as CComError (the progress window
// stopped); a file or clipboard failure is shown in a message box owned
// by owner and ends the output normally.
void ProduceOutput(VGenerateWrapper& job, const qdists::VDistribution& distribution, CUnitStream& stream, HWND owner,
                   const COutputChoice& choice);

// The Excel outputs: selection and new worksheet row by row, the address
// column by column.
void FillSelection(VGenerateWrapper& job, const qdists::VDistribution& distribution, CUnitStream& stream);
void FillAddress(VGenerateWrapper& job, const qdists::VDistribution& distribution, CUnitStream& stream,
                 const std::wstring& address);
void FillNewWorksheet(VGenerateWrapper& job, const qdists::VDistribution& distribution, CUnitStream& stream,
                      std::uint32_t columns, std::uint32_t rows);
// The text outputs: tab-separated lines on the clipboard, a value a line in
// a file.
void CopyToClipboard(VGenerateWrapper& job, const qdists::VDistribution& distribution, CUnitStream& stream, HWND owner,
                     std::uint32_t columns, std::uint32_t rows);
void WriteToFile(VGenerateWrapper& job, const qdists::VDistribution& distribution, CUnitStream& stream, HWND owner,
                 const std::wstring& fileName, std::uint64_t count);
