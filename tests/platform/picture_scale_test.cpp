// The presenters' shared pixels: the one-pass conversion and scaling gives what converting
// the whole picture and then scaling it gives, at every depth and size, also when only a band
// of rows is drawn; and the copy of the last picture takes only what a picture says changed.
#include "platform/host/convert.h"
#include "platform/host/picture_copy.h"
#include "platform/host/scale.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

struct TestPicture {
    std::vector<std::uint8_t> pixels;
    std::vector<HostColor> palette;
    VideoPicture picture;
};

// Random pixels in rows padded past their width, through a random palette at 8 bits.
TestPicture random_picture(std::mt19937& random, int width, int height, int bpp) {
    TestPicture t;
    const int pitch = width * (bpp == 8 ? 1 : 2) + 6;
    t.pixels.resize(static_cast<std::size_t>(pitch) * height);
    for (auto& p : t.pixels)
        p = static_cast<std::uint8_t>(random());
    t.palette.resize(256);
    for (auto& e : t.palette)
        e = {static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
             static_cast<std::uint8_t>(random()), 0};
    t.picture = {t.pixels.data(), pitch, width, height, bpp, bpp == 8 ? t.palette.data() : nullptr};
    return t;
}

// The picture converted whole, then scaled: the slow way round.
std::vector<std::uint32_t> reference(const VideoPicture& picture, const VideoViewport& v,
                                     int out_pitch, std::uint32_t fill) {
    std::vector<std::uint32_t> argb(static_cast<std::size_t>(picture.width) * picture.height);
    convert_picture_to_argb(&picture, argb.data(), picture.width);
    std::vector<std::uint32_t> out(static_cast<std::size_t>(out_pitch) * (v.y + v.height), fill);
    scale_rows(argb.data(), picture.width, picture.width, picture.height, v, 0, v.height - 1,
               out.data(), out_pitch);
    return out;
}

} // namespace

TEST(PictureScale, EveryDepthAndSizeAndEveryBandGiveTheSlowWaysPixels) {
    std::mt19937 random(20);
    const int depths[] = {8, 15, 16};
    for (int bpp : depths)
        for (int trial = 0; trial < 8; ++trial) {
            const int width = 1 + static_cast<int>(random() % 40);
            const int height = 1 + static_cast<int>(random() % 30);
            TestPicture t = random_picture(random, width, height, bpp);
            // Whole factors 1 to 4, then sizes that are none: smaller, and stretched; placed
            // away from the output's corner, in rows wider than the picture.
            std::vector<VideoViewport> sizes;
            for (int f = 1; f <= 4; ++f)
                sizes.push_back({3, 2, width * f, height * f});
            sizes.push_back({1, 0, 1 + width / 2, 1 + height / 3});
            sizes.push_back({0, 5, width * 2 + 1, height * 3});
            for (const VideoViewport& v : sizes) {
                SCOPED_TRACE(testing::Message() << bpp << " bpp, " << width << "x" << height
                                                << " to " << v.width << "x" << v.height);
                const int pitch = v.x + v.width + 3;
                const std::uint32_t FILL = 0x12345678u;
                const std::vector<std::uint32_t> want = reference(t.picture, v, pitch, FILL);
                std::vector<std::uint32_t> out(want.size(), FILL);
                scale_picture_rows(&t.picture, v, 0, v.height - 1, out.data(), pitch);
                EXPECT_EQ(out, want) << "what lies beside the viewport stays";
                // A band of picture rows drawn over another picture gives the whole drawing
                // (scaled down, a band may show in no output row at all).
                const int first = static_cast<int>(random() % height);
                const int last = first + static_cast<int>(random() % (height - first));
                std::vector<std::uint32_t> banded(want.size(), FILL);
                scale_picture_rows(&t.picture, v, 0, v.height - 1, banded.data(), pitch);
                for (int y = first; y <= last; ++y)
                    t.pixels[static_cast<std::size_t>(y) * t.picture.pitch] ^= 0x5A;
                int out_first = 0, out_last = 0;
                if (viewport_rows_of(v, height, first, last, &out_first, &out_last))
                    scale_picture_rows(&t.picture, v, out_first, out_last, banded.data(), pitch);
                else
                    EXPECT_LT(v.height, height);
                EXPECT_EQ(banded, reference(t.picture, v, pitch, FILL));
            }
        }
    // Nothing to draw from, or nowhere to draw it: nothing written, no crash.
    std::uint32_t untouched = 7;
    TestPicture t = random_picture(random, 4, 4, 8);
    VideoPicture bad[3] = {t.picture, t.picture, t.picture};
    bad[0].palette = nullptr;
    bad[1].pitch = 3;
    bad[2].bpp = 24;
    for (const VideoPicture& picture : bad)
        scale_picture_rows(&picture, {0, 0, 4, 4}, 0, 3, &untouched, 4);
    scale_picture_rows(nullptr, {0, 0, 4, 4}, 0, 3, &untouched, 4);
    scale_picture_rows(&t.picture, {0, 0, 0, 4}, 0, 3, &untouched, 4);
    scale_picture_rows(&t.picture, {0, 0, 1, 1}, 5, 9, &untouched, 1);
    EXPECT_EQ(untouched, 7u);
}

TEST(PictureCopy, TakesOnlyThePartThePictureSaysChanged) {
    std::mt19937 random(7);
    TestPicture t = random_picture(random, 9, 5, 8);
    PictureCopy copy;
    HostRect part = {-2, -2, -2, -2};
    EXPECT_EQ(picture_remember(&copy, &t.picture, &part), 1) << "the first picture is all new";
    EXPECT_TRUE(part.x == 0 && part.y == 0 && part.width == 9 && part.height == 5);
    EXPECT_EQ(picture_remember(&copy, &t.picture, &part), 0) << "nothing said to change";
    // Two pixels change; only the one in the part said to change is taken: nothing is compared.
    t.pixels[3 * t.picture.pitch + 7] ^= 1;
    t.pixels[t.picture.pitch] ^= 1;
    t.picture.changed = {6, 2, 100, 2}; // cut to the picture: columns 6..8, rows 2..3
    EXPECT_EQ(picture_remember(&copy, &t.picture, &part), 1);
    EXPECT_TRUE(part.x == 6 && part.y == 2 && part.width == 3 && part.height == 2);
    EXPECT_TRUE(copy.pixels[3 * 9 + 7] == t.pixels[3 * t.picture.pitch + 7] &&
                copy.pixels[9] != t.pixels[t.picture.pitch]);
    for (HostRect absurd : {HostRect{9, 0, 5, 5}, {0, 0, -4, 5}, {2147483647, 0, 2147483647, 1}}) {
        t.picture.changed = absurd;
        EXPECT_EQ(picture_remember(&copy, &t.picture, &part), 0) << absurd.x << " " << absurd.width;
    }
    t.picture.changed = {};
    t.palette[200].green ^= 1;
    EXPECT_EQ(picture_remember(&copy, &t.picture, &part), 1) << "a palette change";
    EXPECT_TRUE(part.width == 9 && part.height == 5) << "is a change of every pixel";

    // The copy, drawn, gives the original's pixels.
    const VideoPicture kept = picture_of(copy);
    std::vector<std::uint32_t> a(18 * 10), b(18 * 10);
    scale_picture_rows(&t.picture, {0, 0, 18, 10}, 0, 9, a.data(), 18);
    scale_picture_rows(&kept, {0, 0, 18, 10}, 0, 9, b.data(), 18);
    EXPECT_EQ(a, b);

    // Another size or depth is a change too; a picture that cannot be read changes nothing.
    TestPicture wide = random_picture(random, 10, 5, 16);
    EXPECT_EQ(picture_remember(&copy, &wide.picture, &part), 1);
    EXPECT_EQ(picture_of(copy).palette, nullptr);
    VideoPicture narrow = wide.picture;
    narrow.pitch = 19;
    narrow.changed = {0, 0, 10, 5};
    EXPECT_EQ(picture_remember(&copy, &narrow, &part), 0);
    EXPECT_EQ(picture_remember(&copy, nullptr, &part), 0);
    EXPECT_EQ(picture_remember(&copy, &wide.picture, &part), 0);
    picture_forget(&copy);
    EXPECT_EQ(picture_remember(&copy, &wide.picture, &part), 1) << "after forgetting";
}
