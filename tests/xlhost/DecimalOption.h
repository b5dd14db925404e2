#pragma once
#include <optional>

namespace xlhost {

// `--decimal X`: the run with X as the user's decimal separator (and the
// other of point and comma as the thousands separator), written where
// Windows' region setting keeps them, HKCU\Control Panel\International
// sDecimal and sThousand. Wine reads them when a process starts, so the
// run is a child process started after the change; the values are put back
// when it ends. Without the option, nothing.
std::optional<int> RunWithDecimalSeparator(int argc, char** argv);

} // namespace xlhost
