#include "platform/jpeg/JpegDecoder.h"

#include "JpegEncoderForTests.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <random>
#include <string>

namespace solvane::jpeg {
namespace {

using testing::encodeJpeg;
using testing::filledPicture;
using testing::RawPicture;
using testing::readFileBytes;
using testing::ScanLayout;

std::optional<DecodedImage> decode(const std::vector<std::uint8_t>& bytes) {
    return decodeJpeg(bytes.data(), bytes.size());
}

std::vector<std::uint8_t> shippedPicture(const std::string& name) {
    return readFileBytes(std::string(SOLVANE_PICTURES_DIR) + "/" + name);
}

std::array<int, 3> pixelAt(const DecodedImage& image, int x, int y) {
    const std::size_t at = (static_cast<std::size_t>(y) * image.width + x) * 3;
    return {image.rgb[at], image.rgb[at + 1], image.rgb[at + 2]};
}

void expectColourNear(const DecodedImage& image, int x, int y, std::array<int, 3> expected) {
    const auto actual = pixelAt(image, x, y);
    for (int channel = 0; channel < 3; ++channel)
        EXPECT_NEAR(actual[channel], expected[channel], 12)
            << "channel " << channel << " at (" << x << ", " << y << ")";
}

// Overwrites the size in the first start-of-frame segment (FF C0 baseline or
// FF C2 progressive: length, precision, then height and width, big-endian).
void forgeFrameSize(std::vector<std::uint8_t>& bytes, int width, int height) {
    for (std::size_t i = 2; i + 9 < bytes.size(); ++i) {
        if (bytes[i] == 0xFF && (bytes[i + 1] == 0xC0 || bytes[i + 1] == 0xC2)) {
            bytes[i + 5] = static_cast<std::uint8_t>(height >> 8);
            bytes[i + 6] = static_cast<std::uint8_t>(height);
            bytes[i + 7] = static_cast<std::uint8_t>(width >> 8);
            bytes[i + 8] = static_cast<std::uint8_t>(width);
            return;
        }
    }
    FAIL() << "no start-of-frame segment";
}

std::vector<std::uint8_t> randomBytes(std::size_t count, unsigned seed) {
    std::mt19937 generator(seed);
    std::vector<std::uint8_t> bytes(count);
    for (auto& byte : bytes) byte = static_cast<std::uint8_t>(generator());
    return bytes;
}

// --- The pictures the settings dialog shows ---

struct ShippedPicture {
    const char* file;
    int width;
    int height;
};

void PrintTo(const ShippedPicture& picture, std::ostream* out) { *out << picture.file; }

class ShippedPictureTest : public ::testing::TestWithParam<ShippedPicture> {};

TEST_P(ShippedPictureTest, DecodesToThePageSize) {
    const auto bytes = shippedPicture(GetParam().file);
    ASSERT_FALSE(bytes.empty()) << "cannot read " << GetParam().file;
    EXPECT_LT(bytes.size(), 60u * 1024u) << "pictures are embedded in the program";

    const auto image = decode(bytes);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->width, GetParam().width);
    EXPECT_EQ(image->height, GetParam().height);
    EXPECT_EQ(image->rgb.size(), std::size_t(GetParam().width) * GetParam().height * 3);
}

INSTANTIATE_TEST_SUITE_P(Pages, ShippedPictureTest,
                         ::testing::Values(ShippedPicture{"links.jpg", 486, 313},
                                           ShippedPicture{"links_de.jpg", 486, 313},
                                           ShippedPicture{"about.jpg", 486, 313},
                                           ShippedPicture{"thanks.jpg", 484, 308},
                                           ShippedPicture{"thanks_de.jpg", 484, 308}),
                         [](const auto& info) {
                             std::string name = info.param.file;
                             name.erase(name.find('.'));
                             return name;
                         });

// The About page draws its caption, product line and web address on white
// bands over the picture; the picture keeps those rows white underneath, so
// no drawing shows at the bands' edges however the page offsets the picture.
TEST(AboutPictureTest, KeepsTheTextBandsWhite) {
    const auto image = decode(shippedPicture("about.jpg"));
    ASSERT_TRUE(image.has_value());
    for (const auto& [top, bottom] : {std::pair{16, 76}, std::pair{240, 300}}) {
        int darkest = 255;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < image->width; ++x)
                for (int value : pixelAt(*image, x, y)) darkest = std::min(darkest, value);
        EXPECT_GE(darkest, 240) << "rows " << top << " to " << bottom;
    }
}

// --- Colour spaces, row order and scan layouts ---

TEST(JpegDecoderTest, KeepsColoursAndRowOrderOfAnRgbPicture) {
    // Quadrants: red top left, green top right, blue bottom left, white bottom right.
    RawPicture picture{32, 32, 3, {}};
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const bool right = x >= 16;
            const bool lower = y >= 16;
            const std::array<std::uint8_t, 3> colour =
                !lower ? (right ? std::array<std::uint8_t, 3>{0, 255, 0} : std::array<std::uint8_t, 3>{255, 0, 0})
                       : (right ? std::array<std::uint8_t, 3>{255, 255, 255} : std::array<std::uint8_t, 3>{0, 0, 255});
            picture.samples.insert(picture.samples.end(), colour.begin(), colour.end());
        }

    for (ScanLayout layout : {ScanLayout::baseline, ScanLayout::progressive}) {
        const auto image = decode(encodeJpeg(picture, layout));
        ASSERT_TRUE(image.has_value());
        ASSERT_EQ(image->width, 32);
        ASSERT_EQ(image->height, 32);
        expectColourNear(*image, 8, 8, {255, 0, 0});
        expectColourNear(*image, 24, 8, {0, 255, 0});
        expectColourNear(*image, 8, 24, {0, 0, 255});
        expectColourNear(*image, 24, 24, {255, 255, 255});
    }
}

TEST(JpegDecoderTest, GivesGrayscaleAsEqualRgbChannels) {
    const auto image = decode(encodeJpeg(filledPicture(24, 16, {90})));
    ASSERT_TRUE(image.has_value());
    ASSERT_EQ(image->rgb.size(), 24u * 16u * 3u);
    expectColourNear(*image, 12, 8, {90, 90, 90});
    EXPECT_EQ(pixelAt(*image, 3, 3)[0], pixelAt(*image, 3, 3)[2]);
}

struct CmykCase {
    const char* name;
    std::array<int, 4> ink;  // cyan, magenta, yellow, black; 255 is full ink
    std::array<int, 3> rgb;
};

void PrintTo(const CmykCase& testCase, std::ostream* out) { *out << testCase.name; }

class CmykTest : public ::testing::TestWithParam<CmykCase> {};

TEST_P(CmykTest, ConvertsAdobeCmykToRgb) {
    std::vector<std::uint8_t> stored;  // inverted, as Adobe's programs write it
    for (int ink : GetParam().ink) stored.push_back(static_cast<std::uint8_t>(255 - ink));
    const auto image = decode(encodeJpeg(filledPicture(16, 16, stored)));
    ASSERT_TRUE(image.has_value());
    ASSERT_EQ(image->rgb.size(), 16u * 16u * 3u);
    expectColourNear(*image, 8, 8, GetParam().rgb);
}

INSTANTIATE_TEST_SUITE_P(Inks, CmykTest,
                         ::testing::Values(CmykCase{"NoInk", {0, 0, 0, 0}, {255, 255, 255}},
                                           CmykCase{"Cyan", {255, 0, 0, 0}, {0, 255, 255}},
                                           CmykCase{"MagentaAndYellow", {0, 255, 255, 0}, {255, 0, 0}},
                                           CmykCase{"HalfBlack", {0, 0, 0, 128}, {127, 127, 127}},
                                           CmykCase{"FullBlack", {0, 0, 0, 255}, {0, 0, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Limits ---

struct SizeCase {
    const char* name;
    int width;
    int height;
    bool accepted;
};

void PrintTo(const SizeCase& testCase, std::ostream* out) { *out << testCase.width << " x " << testCase.height; }

class SizeLimitTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SizeLimitTest, AcceptsUpToTheLimitOnEachSide) {
    const auto image = decode(encodeJpeg(filledPicture(GetParam().width, GetParam().height, {200})));
    EXPECT_EQ(image.has_value(), GetParam().accepted);
    if (image) {
        EXPECT_EQ(image->width, GetParam().width);
        EXPECT_EQ(image->height, GetParam().height);
    }
}

INSTANTIATE_TEST_SUITE_P(Sides, SizeLimitTest,
                         ::testing::Values(SizeCase{"WidestAllowed", kMaxJpegDimension, 1, true},
                                           SizeCase{"TallestAllowed", 1, kMaxJpegDimension, true},
                                           SizeCase{"TooWide", kMaxJpegDimension + 1, 1, false},
                                           SizeCase{"TooTall", 1, kMaxJpegDimension + 1, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(JpegDecoderTest, RefusesAHeaderClaimingAHugePicture) {
    for (ScanLayout layout : {ScanLayout::baseline, ScanLayout::progressive}) {
        auto bytes = encodeJpeg(filledPicture(8, 8, {1, 2, 3}), layout);
        forgeFrameSize(bytes, 60000, 60000);
        EXPECT_FALSE(decode(bytes).has_value());
    }
}

TEST(JpegDecoderTest, RefusesAPictureOfTooManyScans) {
    const auto picture = filledPicture(8, 8, {128});
    EXPECT_TRUE(decode(encodeJpeg(picture, ScanLayout::progressive)).has_value());
    EXPECT_FALSE(decode(encodeJpeg(picture, ScanLayout::manyScans)).has_value());
}

// --- Input that is not a whole, sound JPEG ---

TEST(JpegDecoderTest, RefusesInputThatIsNotAJpeg) {
    const std::uint8_t pngStart[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D',
                                     'R',  0,   0,   1,   0,    0,    0,    1,    0, 8, 2, 0,  0,   0};
    EXPECT_FALSE(decodeJpeg(pngStart, sizeof pngStart).has_value());
    EXPECT_FALSE(decodeJpeg(pngStart, 0).has_value());
    EXPECT_FALSE(decodeJpeg(nullptr, 0).has_value());
    EXPECT_FALSE(decodeJpeg(nullptr, 100).has_value());

    for (unsigned seed = 1; seed <= 20; ++seed) {
        auto bytes = randomBytes(4096, seed);
        EXPECT_FALSE(decode(bytes).has_value()) << "random bytes, seed " << seed;
        // The same behind a start-of-image marker, so the parser gets past the first check.
        bytes[0] = 0xFF;
        bytes[1] = 0xD8;
        EXPECT_FALSE(decode(bytes).has_value()) << "SOI and random bytes, seed " << seed;
    }
}

TEST(JpegDecoderTest, RefusesATruncatedPicture) {
    const auto whole = shippedPicture("about.jpg");
    ASSERT_FALSE(whole.empty());
    const std::vector<std::uint8_t> firstHalf(whole.begin(), whole.begin() + whole.size() / 2);
    EXPECT_FALSE(decode(firstHalf).has_value());

    const auto progressive = encodeJpeg(filledPicture(64, 64, {10, 200, 30}), ScanLayout::progressive);
    for (std::size_t length : {std::size_t{2}, std::size_t{20}, progressive.size() / 2, progressive.size() - 2})
        EXPECT_FALSE(decodeJpeg(progressive.data(), length).has_value()) << "first " << length << " bytes";
}

// Damaged copies of a small picture: each either decodes to a picture of its
// own declared size with all its pixels, or gives nothing. Run under the
// address sanitizer, this also shows that no damage makes the decoder read or
// write out of bounds.
TEST(JpegDecoderTest, DamagedPicturesNeverGiveAMalformedImage) {
    RawPicture picture{40, 24, 3, {}};
    for (int i = 0; i < 40 * 24; ++i)
        picture.samples.insert(picture.samples.end(), {std::uint8_t(i * 7), std::uint8_t(i * 3), std::uint8_t(i)});
    std::mt19937 generator(7);
    for (ScanLayout layout : {ScanLayout::baseline, ScanLayout::progressive}) {
        const auto original = encodeJpeg(picture, layout);
        for (int attempt = 0; attempt < 400; ++attempt) {
            auto damaged = original;
            const int changes = 1 + attempt % 4;
            for (int c = 0; c < changes; ++c)
                damaged[generator() % damaged.size()] = static_cast<std::uint8_t>(generator());
            const auto image = decode(damaged);
            if (image) {
                EXPECT_GT(image->width, 0);
                EXPECT_GT(image->height, 0);
                EXPECT_EQ(image->rgb.size(), std::size_t(image->width) * image->height * 3);
            }
        }
    }
}

}  // namespace
}  // namespace solvane::jpeg
