#pragma once
#include <string>

#include "commands/distfill/wizard/RasterImage.h"
#include "qdists/Distribution.h"

namespace chooser {

// The grid's picture of a distribution: its density curve or its bars at
// the current parameters, drawn by the graph's plot model without labels at
// twice the size and halved, so that edges come out smooth; the grid's
// picture size at dpi (108 x 95 at 96 DPI), its lengths scaled alike.
CRasterImage RenderThumbnail(const qdists::VDistribution& distribution, int dpi = kBaseDpi);

} // namespace chooser

namespace chooser {

// The file under resources/ that holds the picture: "Dist" and the name
// without blanks, "DistNegativeBinomial.bmp".
std::string ThumbnailFileName(const qdists::VDistribution& distribution);

} // namespace chooser
