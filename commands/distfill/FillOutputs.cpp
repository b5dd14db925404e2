#include "commands/distfill/FillOutputs.h"

namespace {

std::uint32_t Positive(int value)
{
    return value > 0 ? static_cast<std::uint32_t>(value) : 0;
}

} // namespace

void ProduceOutput(VGenerateWrapper& job, const qdists::VDistribution& distribution, CUnitStream& stream, HWND owner,
                   const COutputChoice& choice)
{
    switch (choice.method) {
    case COutputMethod::Selection:
        FillSelection(job, distribution, stream);
        break;
    case COutputMethod::Address:
        FillAddress(job, distribution, stream, choice.text);
        break;
    case COutputMethod::Clipboard:
        CopyToClipboard(job, distribution, stream, owner, Positive(choice.columns), Positive(choice.rows));
        break;
    case COutputMethod::File:
        WriteToFile(job, distribution, stream, owner, choice.text, Positive(choice.count));
        break;
    case COutputMethod::NewWorksheet:
        FillNewWorksheet(job, distribution, stream, Positive(choice.columns), Positive(choice.rows));
        break;
    }
}
