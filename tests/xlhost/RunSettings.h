#pragma once
#include <optional>

namespace xlhost {

// Options that change the user's Windows settings for one run, written
// where Windows keeps them and put back when the run ends:
// - `--decimal X`: X as the decimal separator (and the other of point and
//   comma as the thousands separator), HKCU\Control Panel\International
//   sDecimal and sThousand, as the region setting writes them;
// - `--dpi N`: the system DPI, HKCU\Control Panel\Desktop LogPixels, as the
//   display setting writes it.
// Wine reads them when a process starts, so the run is a child process
// started after the change. Without these options, nothing.
std::optional<int> RunWithUserSettings(int argc, char** argv);

} // namespace xlhost
