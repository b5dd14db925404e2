// Peak memory of the distribution fill's clipboard output against the size
// of its text: 10^6 normal values, 1,000 rows of 1,000, put on the
// clipboard for a window of its own. Prints how far the process's peak
// working set rose over what it was before, as a multiple of the CF_TEXT
// size. Run it under wine or Windows.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "commands/distfill/FillOutputs.h"
#include "qdists/DistNormal.h"
#include "uniform/MersenneTwister.h"

namespace {

constexpr std::uint32_t kSeed = 12345;
constexpr std::uint32_t kSide = 1000;

// The clipboard output asks its job only for the progress, which shows no
// window here.
class CQuietJob : public VGenerateWrapper {
public:
    CQuietJob() : VGenerateWrapper([](std::uint64_t) { return std::unique_ptr<VProgressWindow>(); }, [] { return 0; })
    {
    }
    CSettingsKey OpenSettingsKey() override { return CSettingsKey(); }
    void PrepareNewWorksheet() override {}
    void WriteNewWorksheetValues(const CCellBlock&, const double*) override {}
    void EndNewWorksheet() override {}
    bool IsValidAddress(const std::wstring&) override { return false; }
    void PrepareAddress(const std::wstring&) override {}
    void GetAddressSize(std::uint32_t&, std::uint32_t&) override {}
    void WriteAddressValues(const CCellBlock&, const double*) override {}
    void EndAddress() override {}
    bool HasUsableSelection() override { return false; }
    void PrepareSelection() override {}
    void GetSelectionSize(std::uint32_t&, std::uint32_t&) override {}
    void WriteSelectionValues(const CCellBlock&, const double*) override {}
    void EndSelection() override {}
};

PROCESS_MEMORY_COUNTERS Counters()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}

std::size_t TextSize()
{
    std::size_t size = 0;
    if (OpenClipboard(nullptr)) {
        if (HANDLE data = GetClipboardData(CF_TEXT)) {
            const char* text = static_cast<const char*>(GlobalLock(data));
            size = std::strlen(text);
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    return size;
}

} // namespace

int main()
{
    const HWND owner = CreateWindowW(L"STATIC", L"owner", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    const qdists::CDistNormal normal(0, 1);
    CUnitStream stream{CMersenneTwister(kSeed)};
    CQuietJob job;
    const PROCESS_MEMORY_COUNTERS before = Counters();
    CopyToClipboard(job, normal, stream, owner, kSide, kSide);
    const PROCESS_MEMORY_COUNTERS after = Counters();
    const double text = static_cast<double>(TextSize());
    std::printf("text %.0f bytes; peak working set +%.2f x text\n", text,
                (static_cast<double>(after.PeakWorkingSetSize) - static_cast<double>(before.WorkingSetSize)) / text);
    DestroyWindow(owner);
    return text > 0 ? 0 : 1;
}
