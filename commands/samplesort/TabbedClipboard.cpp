#include "commands/samplesort/TabbedClipboard.h"

#include <limits>
#include <new>

#include "commands/samplesort/SelectionCommand.h"

std::unique_ptr<CClipboardWideText> ReserveTabbedText(std::uint64_t length, std::uint64_t cells)
{
    if (length <= std::numeric_limits<std::size_t>::max()) {
        try {
            return std::make_unique<CClipboardWideText>(static_cast<std::size_t>(length));
        } catch (const std::bad_alloc&) {
        }
    }
    throw CCommandError(TabbedTextTooLargeMessage(cells, length));
}

void PutTabbedText(HWND owner, CClipboardWideText& text, std::uint64_t length, std::uint64_t cells)
{
    CClipboard clipboard(owner);
    try {
        clipboard.SetText(text);
    } catch (const std::bad_alloc&) {
        throw CCommandError(TabbedTextTooLargeMessage(cells, length));
    }
}
