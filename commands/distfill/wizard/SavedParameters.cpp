#include "commands/distfill/wizard/SavedParameters.h"

#include "qdists/ParameterText.h"

namespace {
constexpr DWORD kValueBufferSize = 156;
} // namespace

void SaveParameters(const CSettingsKey& parent, const qdists::VDistribution& distribution)
{
    const CSettingsKey key = parent.Create(distribution.GetName());
    for (unsigned i = 0; i < distribution.GetParameterCount(); ++i)
        key.WriteString(distribution.GetParameterInfo(i).symbol.c_str(),
                        qdists::FormatParameterValue(distribution.GetParameter(i)));
}

void LoadParameters(const CSettingsKey& parent, qdists::VDistribution& distribution)
{
    const CSettingsKey key = parent.Open(distribution.GetName());
    for (unsigned i = 0; i < distribution.GetParameterCount(); ++i) {
        const qdists::ParameterInfo& info = distribution.GetParameterInfo(i);
        std::string text;
        const bool read = key.ReadString(info.symbol.c_str(), kValueBufferSize, text);
        const qdists::StoredParameterValue stored{read, read, text.c_str(), text.size() + 1};
        double value = 0.0;
        if (qdists::ParseStoredParameter(stored, info.bounds, value))
            distribution.SetParameter(i, value);
    }
}
