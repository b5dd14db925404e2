#include "qdists/DistributionCatalog.h"

#include <cctype>

#include "qdists/DistributionClasses.h"

namespace qdists {

// The names and thumbnails of the classes, from the list.
#define STOCHAL_DISTRIBUTION(Name, Class, Display, Thumbnail, ...) \
    const char* Class::GetName() const { return Display; }        \
    unsigned Class::GetBitmapId() const { return BitmapIdOf(Thumbnail); }
#include "qdists/Distributions.def"
#undef STOCHAL_DISTRIBUTION

std::unique_ptr<VDistribution> CreateInitialDistribution(unsigned index)
{
    switch (index) {
#define STOCHAL_DISTRIBUTION(Name, Class, Display, Thumbnail, Kind, Worksheet, Entry, Summary, Topic, Arguments, \
                             Construct, Initial, ...)                                                          \
    case Thumbnail - kFirstThumbnail: return std::make_unique<Class>(Make##Name Initial);
#include "qdists/Distributions.def"
#undef STOCHAL_DISTRIBUTION
    default: return nullptr;
    }
}

namespace {
std::string Folded(const std::string& name)
{
    std::string folded;
    for (char c : name) {
        if (c != ' ') {
            folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return folded;
}
} // namespace

std::unique_ptr<VDistribution> CreateInitialDistribution(const std::string& name)
{
    const std::string wanted = Folded(name);
    for (unsigned i = 0; i < kDistributionCount; ++i) {
        auto distribution = CreateInitialDistribution(i);
        if (Folded(distribution->GetName()) == wanted) {
            return distribution;
        }
    }
    return nullptr;
}

} // namespace qdists
