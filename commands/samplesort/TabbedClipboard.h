#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <memory>

#include "commands/samplesort/TabbedText.h"
#include "win/ui/Clipboard.h"

// Room in clipboard memory for a text of `length` characters made of
// `cells` cell texts; a text the process cannot hold raises CCommandError
// with the text's size.
std::unique_ptr<CClipboardWideText> ReserveTabbedText(std::uint64_t length, std::uint64_t cells);

// Puts the text on the clipboard in both its forms; when the process
// cannot hold its CF_TEXT form either, CCommandError as above, and the
// clipboard keeps what it had.
void PutTabbedText(HWND owner, CClipboardWideText& text, std::uint64_t length, std::uint64_t cells);

// The texts as the Sample and Sort commands put them on the clipboard
// (TabbedText.h), joined once, in the clipboard's own memory, which is
// sized from their lengths before the first is written. The texts are
// let go before the CF_TEXT form is made.
template <class Texts>
void PutTabbedLines(HWND owner, Texts texts, std::size_t columns)
{
    const std::uint64_t length = TabbedLength(texts);
    const std::uint64_t cells = texts.size();
    const std::unique_ptr<CClipboardWideText> text = ReserveTabbedText(length, cells);
    AppendTabbedLines(texts, columns, *text);
    texts = Texts();
    PutTabbedText(owner, *text, length, cells);
}
