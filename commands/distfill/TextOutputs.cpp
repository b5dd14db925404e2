#include "commands/distfill/FillOutputs.h"

#include <limits>
#include <memory>
#include <new>

#include "commands/distfill/SystemError.h"
#include "commands/distfill/ValueLines.h"
#include "commands/distfill/ValueText.h"
#include "win/ui/Clipboard.h"
#include "win/ui/Errors.h"

namespace {

// The most one WriteFile call is given.
constexpr std::size_t kFileBufferBytes = 1 << 16;

// Writes all of text; false with the system's error code when a write fails.
bool WriteAll(HANDLE file, const std::string& text, DWORD& error)
{
    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const DWORD piece = left > kFileBufferBytes ? static_cast<DWORD>(kFileBufferBytes) : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!WriteFile(file, data, piece, &written, nullptr) || written == 0) {
            error = GetLastError();
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// The open output file; closed however the output ends.
class CFileHandle {
public:
    explicit CFileHandle(HANDLE handle) : m_handle(handle) {}
    ~CFileHandle() { Close(); }
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;

    HANDLE Get() const { return m_handle; }
    void Close()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE m_handle;
};

// Room for a clipboard text of up to `longest` characters, or null when the
// process has not that much memory.
std::unique_ptr<CClipboardText> ReserveClipboardText(std::uint64_t longest)
{
    if (longest > std::numeric_limits<std::size_t>::max())
        return nullptr;
    try {
        return std::make_unique<CClipboardText>(static_cast<std::size_t>(longest));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

} // namespace

void CopyToClipboard(VGenerateWrapper& job, const qdists::VDistribution& distribution, CUnitStream& stream, HWND owner,
                     std::uint32_t columns, std::uint32_t rows)
{
    const std::uint64_t count = static_cast<std::uint64_t>(columns) * rows;
    // Every value with the tab or line feed after it.
    const std::uint64_t longest = count * (kLongestValueText + 1);
    const std::unique_ptr<CClipboardText> clipText = ReserveClipboardText(longest);
    if (!clipText) {
        ShowClipboardTooLarge(owner, count, longest);
        return;
    }
    CClipboard clipboard(owner);
    CValueText text;
    bool aborted = false;
    {
        CProgressScope progress(job, count);
        std::uint64_t done = 0;
        for (std::uint32_t row = 0; row < rows && !aborted; ++row) {
            for (std::uint32_t column = 0; column < columns && !aborted; ++column) {
                text.AddValue(distribution.Sample(stream));
                job.UpdateProgress(++done);
                aborted = job.IsAborted();
            }
            text.EndLine();
            clipText->Append(text.Text().data(), text.Size());
            text.Clear();
        }
    }
    // An aborted output leaves the clipboard as it was.
    if (aborted)
        return;
    try {
        clipboard.SetText(*clipText);
    } catch (const COSError& error) {
        ShowSystemError(owner, kCannotSetClipboard, error.Code());
    }
}

void WriteToFile(VGenerateWrapper& job, const qdists::VDistribution& distribution, CUnitStream& stream, HWND owner,
                 const std::wstring& fileName, std::uint64_t count)
{
    CFileHandle file(CreateFileW(fileName.c_str(), FILE_WRITE_DATA, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE) {
        ShowSystemError(owner, kCannotCreateFile, GetLastError());
        return;
    }
    DWORD error = 0;
    bool written = false;
    {
        CProgressScope progress(job, count);
        written = DrawValueLines(distribution, stream, count, job.Progress(),
                                 [&file, &error](const std::string& text) { return WriteAll(file.Get(), text, error); });
    }
    if (written)
        return;
    // A partial file is worse than none.
    file.Close();
    DeleteFileW(fileName.c_str());
    ShowSystemError(owner, kCannotWriteFile, error);
}
