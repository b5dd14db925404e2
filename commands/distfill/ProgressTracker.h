#pragma once
#include <cstdint>
#include <functional>
#include <memory>

// The progress window as the tracker sees it. Destroying it stops it: its
// thread has ended when the destructor returns.
class VProgressWindow {
public:
    virtual ~VProgressWindow() = default;
    virtual void Update(std::uint64_t done) = 0;
    virtual bool IsAborted() const = 0;
};

// The progress bookkeeping of one output at a time: counts values, shows
// the window when the output turns out long, moves its bar, and tells the
// output when the user pressed Abort, or Esc in Excel, shown or not.
class CProgressTracker {
public:
    // Milliseconds from any fixed start.
    using Clock = std::function<std::uint64_t()>;
    // Creates and shows the window for a total; may return null when the
    // window cannot be made, and the output then runs without one.
    using WindowFactory = std::function<std::unique_ptr<VProgressWindow>(std::uint64_t total)>;
    // Whether the user pressed Esc since the last look; asked at every step.
    // Without one, only Abort stops an output.
    using EscapeProbe = std::function<bool()>;

    CProgressTracker(WindowFactory factory, Clock clock, EscapeProbe escape = EscapeProbe());

    void Start(std::uint64_t total);
    // After every value, with the number of values done so far.
    void Update(std::uint64_t done);
    // Stops the window, if it was shown.
    void End();
    bool IsShown() const { return m_window != nullptr; }
    // True once Esc was seen, or the window was shown and Abort pressed in it.
    bool IsAborted() const { return m_escaped || (m_window && m_window->IsAborted()); }

private:
    WindowFactory m_factory;
    Clock m_clock;
    EscapeProbe m_escape;
    bool m_escaped = false;
    std::uint64_t m_startClock = 0;
    std::uint64_t m_total = 0;
    std::unique_ptr<VProgressWindow> m_window;
    bool m_tried = false; // the window was due once; it is never made twice
};
