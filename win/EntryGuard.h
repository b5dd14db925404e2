#pragma once
// Nothing may unwind out of an entry point that Excel, Office or a macro
// calls: an exception that leaves the DLL ends Excel's process, and its
// unsaved workbooks with it. Every entry point runs its body through
// Guarded, which says once what "catches everything" means; each kind of
// entry says what a failure turns into. Plain C++: the worksheet
// functions are built natively too.

// A test's seam, never set by the product: when set, it runs at the start
// of every guarded body, so that a test can make any entry point meet any
// exception.
inline void (*g_guardedBodyProbe)() = nullptr;

// body's result. Should body throw anything, failed()'s instead: failed
// runs inside the handler, so it may rethrow (`throw;`) to tell what was
// thrown. Should failed throw in its turn, a result made from last
// (nothing, for a body without a result).
template <class Body, class Failed, class... Last>
auto Guarded(Body&& body, Failed&& failed, Last... last) noexcept -> decltype(body())
{
    using Result = decltype(body());
    try {
        if (g_guardedBodyProbe)
            g_guardedBodyProbe();
        return body();
    } catch (...) {
        try {
            return failed();
        } catch (...) {
            return Result(last...);
        }
    }
}
