// Sideways scrolling of still images with wrap-around.
#include "engine/image/bitmap_image.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

// A one-row image of width 8 holding 1 2 3 4 5 6 7 8 (twice over at 16 bits: each word).
std::vector<int> scrolled(std::int32_t dx, std::int32_t dy, std::int32_t bits,
                          std::int32_t* result) {
    BitmapImage image{};
    EXPECT_EQ(1, image_create(&image, 0, 0, 8, 2, bits));
    const int bytes = bits / 8;
    for (int row = 0; row < 2; ++row)
        for (int i = 0; i < 8; ++i)
            image.pixels[(row * 8 + i) * bytes] = static_cast<std::uint8_t>(i + 1);
    *result = image_scroll(&image, dx, dy);
    std::vector<int> out;
    for (int i = 0; i < 8; ++i)
        out.push_back(image.pixels[i * bytes]);
    // The second row moves the same way.
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(out[i], image.pixels[(8 + i) * bytes]);
    image_destroy(&image);
    return out;
}

const std::vector<int> UNCHANGED = {1, 2, 3, 4, 5, 6, 7, 8};
const std::vector<int> RIGHT_3 = {6, 7, 8, 1, 2, 3, 4, 5};
const std::vector<int> LEFT_3 = {4, 5, 6, 7, 8, 1, 2, 3};

} // namespace

TEST(ImageScroll, RotatesByTheRemainderOfTheWidthKeepingItsSign) {
    for (std::int32_t bits : {8, 16}) {
        SCOPED_TRACE(bits);
        std::int32_t result = -1;
        EXPECT_EQ(RIGHT_3, scrolled(3, 0, bits, &result));
        EXPECT_EQ(1, result);
        EXPECT_EQ(LEFT_3, scrolled(-3, 0, bits, &result));
        EXPECT_EQ(RIGHT_3, scrolled(11, 0, bits, &result));
        EXPECT_EQ(LEFT_3, scrolled(-11, 0, bits, &result));
        EXPECT_EQ(UNCHANGED, scrolled(8, 0, bits, &result));
        EXPECT_EQ(1, result);
        EXPECT_EQ(UNCHANGED, scrolled(-16, 0, bits, &result));
        EXPECT_EQ(1, result);
        // -2147483647 leaves -7: left by 7.
        EXPECT_EQ((std::vector<int>{8, 1, 2, 3, 4, 5, 6, 7}),
                  scrolled(INT32_MIN + 1, 0, bits, &result));
    }
}

TEST(ImageScroll, VerticalAmountAloneMovesNothingAndNoAmountIsRefused) {
    std::int32_t result = -1;
    EXPECT_EQ(UNCHANGED, scrolled(0, 5, 8, &result));
    EXPECT_EQ(1, result);
    EXPECT_EQ(UNCHANGED, scrolled(0, 0, 8, &result));
    EXPECT_EQ(0, result);
    EXPECT_EQ(0, image_scroll(nullptr, 3, 0));
    BitmapImage empty{};
    EXPECT_EQ(0, image_scroll(&empty, 3, 0));
}

TEST(ImageScroll, WithoutMemoryForItsStripLeavesThePictureAndReportsFailure) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator does not run under an address-space limit";
#endif
    BitmapImage image{};
    ASSERT_EQ(1, image_create(&image, 0, 0, 4096, 4096, 8));
    for (int i = 0; i < 4096; ++i)
        image.pixels[i] = static_cast<std::uint8_t>(i);
    // Limit the address space to what is in use plus 4 MB, so the 8 MB strip cannot be had.
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    ASSERT_NE(nullptr, statm);
    unsigned long pages = 0;
    const int fields = std::fscanf(statm, "%lu", &pages);
    std::fclose(statm);
    ASSERT_EQ(1, fields);
    rlimit saved{};
    ASSERT_EQ(0, getrlimit(RLIMIT_AS, &saved));
    rlimit tight = saved;
    tight.rlim_cur = pages * static_cast<unsigned long>(sysconf(_SC_PAGESIZE)) + (4ul << 20);
    ASSERT_EQ(0, setrlimit(RLIMIT_AS, &tight));
    const std::int32_t result = image_scroll(&image, 2048, 0);
    ASSERT_EQ(0, setrlimit(RLIMIT_AS, &saved));
    EXPECT_EQ(0, result);
    for (int i = 0; i < 4096; ++i)
        ASSERT_EQ(static_cast<std::uint8_t>(i), image.pixels[i]);
    image_destroy(&image);
}
