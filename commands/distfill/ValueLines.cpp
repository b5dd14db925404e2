#include "commands/distfill/ValueLines.h"

#include "commands/distfill/ValueText.h"

namespace {

constexpr std::size_t kPieceBytes = 1 << 16;

} // namespace

bool DrawValueLines(const qdists::VDistribution& distribution, CUnitStream& stream, std::uint64_t count,
                    CProgressTracker& progress, const CTextSink& write)
{
    CValueText text;
    for (std::uint64_t done = 0; done < count;) {
        text.AddValue(distribution.Sample(stream));
        text.EndLine();
        progress.Update(++done);
        const bool aborted = progress.IsAborted();
        if (text.Size() >= kPieceBytes || done == count || aborted) {
            if (!write(text.Text()))
                return false;
            text.Clear();
        }
        if (aborted)
            break;
    }
    return true;
}
