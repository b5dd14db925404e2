// Writes the sixteen thumbnails of the distribution grid, each drawn from
// the distribution at its initial parameters:
//     make_thumbnails <resources folder>
// The pictures are committed; a test checks that this program still makes
// them byte for byte.
#include <cstdio>
#include <fstream>

#include "commands/distfill/wizard/Thumbnail.h"
#include "qdists/DistributionCatalog.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_thumbnails <resources folder>\n");
        return 2;
    }
    for (unsigned i = 0; i < qdists::kDistributionCount; ++i) {
        const auto distribution = qdists::CreateInitialDistribution(i);
        const auto bytes = chooser::RenderThumbnail(*distribution).ToBmp();
        const std::string path = std::string(argv[1]) + "/" + chooser::ThumbnailFileName(*distribution);
        std::ofstream file(path, std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!file) {
            std::fprintf(stderr, "make_thumbnails: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
