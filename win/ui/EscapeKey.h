#pragma once

// Whether the user pressed Esc since the last look, read from the keyboard
// input Windows queued for this thread, the thread of Excel's windows. It
// asks nothing of Excel, so it works in a menu or ribbon command, where
// Excel's C API does not answer. Other keys pressed while a long command
// works are dropped with it.
bool EscapePressed();
