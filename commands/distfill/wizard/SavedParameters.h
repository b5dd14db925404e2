#pragma once
#include "qdists/Distribution.h"
#include "settings/SettingsKey.h"

// A distribution's parameters in the wizard's settings: "%g" strings named
// by symbol, under the subkey named by the distribution.
void SaveParameters(const CSettingsKey& parent, const qdists::VDistribution& distribution);
// Values that cannot be read, are not strings, lack their terminating zero,
// do not parse or fall outside the bounds are skipped; cross-parameter rules
// are not applied.
void LoadParameters(const CSettingsKey& parent, qdists::VDistribution& distribution);
