#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "commands/distfill/wizard/Thumbnail.h"
#include "qdists/DistributionCatalog.h"

namespace {
std::vector<std::uint8_t> ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
} // namespace

// The committed pictures are exactly what the generator makes today.
TEST(Thumbnail, GeneratorReproducesTheCommittedPicturesByteForByte)
{
#ifdef _WIN32
    GTEST_SKIP() << "the pictures are made natively; the C library's functions may differ in the last bit";
#endif
    for (unsigned i = 0; i < qdists::kDistributionCount; ++i) {
        const auto distribution = qdists::CreateInitialDistribution(i);
        const std::string path = std::string(STOCHAL_SOURCE_DIR) + "/resources/" + chooser::ThumbnailFileName(*distribution);
        const auto committed = ReadFile(path);
        ASSERT_FALSE(committed.empty()) << path;
        EXPECT_TRUE(chooser::RenderThumbnail(*distribution).ToBmp() == committed) << path;
    }
}

TEST(Thumbnail, PicturesAre108By95With24BitsAndShowTheirGraph)
{
    const auto normal = qdists::CreateInitialDistribution("Normal");
    const chooser::CRasterImage image = chooser::RenderThumbnail(*normal);
    ASSERT_EQ(image.Width(), 108);
    ASSERT_EQ(image.Height(), 95);
    const auto bytes = image.ToBmp();
    ASSERT_EQ(bytes.size(), 54u + 108u * 3u * 95u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[28], 24);
    // The curve's top is green, in the middle column, at the plot's top.
    int greenRows = 0;
    for (int y = 0; y < 95; ++y)
        greenRows += image.At(54, y).g > 200 && image.At(54, y).r < 100;
    EXPECT_GT(greenRows, 0);
    // Invalid parameters leave a blank picture.
    normal->SetParameter(1, -1.0);
    const chooser::CRasterImage blank = chooser::RenderThumbnail(*normal);
    for (int y = 0; y < 95; ++y)
        for (int x = 0; x < 108; ++x)
            ASSERT_EQ(blank.At(x, y).r + blank.At(x, y).g + blank.At(x, y).b, 765);
}

namespace {
// The green ink of a picture in pixels: white, black and grey hold none,
// pure green one a pixel; averaging keeps the sum.
double GreenInk(const chooser::CRasterImage& image)
{
    double green = 0.0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            green += (image.At(x, y).g - image.At(x, y).r) / 255.0;
    return green;
}
} // namespace

// Drawn afresh at the scale rather than stretched: at 200 % a density curve
// is twice as long and twice as thick, so it holds four times the ink of
// the 96-DPI picture; a 150 % picture is 162 x 143 with 2.25 times it.
// (Bars are whole pixels wide, so their ink does not scale so evenly.)
TEST(Thumbnail, PicturesAtHigherDpiAreDrawnAtTheirScale)
{
    for (const char* name : {"Normal", "Weibull"}) {
        const auto distribution = qdists::CreateInitialDistribution(name);
        const chooser::CRasterImage base = chooser::RenderThumbnail(*distribution);
        const chooser::CRasterImage doubled = chooser::RenderThumbnail(*distribution, 192);
        const chooser::CRasterImage half = chooser::RenderThumbnail(*distribution, 144);
        EXPECT_EQ(doubled.Width(), 216);
        EXPECT_EQ(doubled.Height(), 190);
        EXPECT_EQ(half.Width(), 162);
        EXPECT_EQ(half.Height(), 143);
        const double green = GreenInk(base);
        ASSERT_GT(green, 0.0) << name;
        EXPECT_NEAR(GreenInk(doubled) / green, 4.0, 0.4) << name;
        EXPECT_NEAR(GreenInk(half) / green, 2.25, 0.25) << name;
    }
}
