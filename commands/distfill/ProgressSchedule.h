#pragma once
#include <cstdint>

// When the fill job shows its progress window and how often the bar moves:
// plain rules, so that they can be checked without a clock or a window.

// The job looks at its progress once every this many values.
constexpr std::uint64_t kProgressStep = 200;
// The bar is redrawn at most this often.
constexpr std::uint32_t kRedrawIntervalMs = 500;

// Whether the window should appear after `done` of `total` values, `elapsedMs`
// after the output started: only at a multiple of the step, with less than
// about a third done, and after more than one whole second.
bool ProgressWindowDue(std::uint64_t done, std::uint64_t total, std::uint64_t elapsedMs);

// The bar's upper end for a total (100 when the total is unknown, 0), kept
// within the bar's 32-bit signed range.
std::int32_t BarMaximum(std::uint64_t total);
// The bar's position after `done` values: the share of the total on the
// scale of BarMaximum, or the count modulo 100 when the total is 0.
std::int32_t BarPosition(std::uint64_t done, std::uint64_t total);

// Lets the bar be redrawn at most once per interval of the tick counter.
class CRedrawLimit {
public:
    // True, and the tick remembered, when a redraw is due at `tick`.
    bool Due(std::uint32_t tick);

private:
    std::uint32_t m_last = 0; // 0: none yet
};
