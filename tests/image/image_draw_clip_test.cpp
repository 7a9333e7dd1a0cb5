// Images drawn at random places, partly or wholly off the destination and across narrowed
// clip rectangles: exactly the pixels where the image meets the clip rectangle change, and
// they take the image's pixels (value 0 left out when drawn transparent).
#include "support/guarded_buffer.h"

#include "engine/display/display_context.h"
#include "engine/image/bitmap_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

constexpr int WIDTH = 48, HEIGHT = 40;

template <typename Pixel> void draw_randomly(int bits) {
    std::mt19937 random(29 + bits);
    std::uniform_int_distribution<int> size(1, 30), place(-40, WIDTH + 8), value(0, 200);
    GuardedBuffer<Pixel> dest(WIDTH, HEIGHT);
    for (int round = 0; round < 400; ++round) {
        // Half the rounds narrow the clip rectangle to a random part of the destination.
        int min_x = 0, min_y = 0, max_x = WIDTH - 1, max_y = HEIGHT - 1;
        if (round % 2) {
            min_x = random() % WIDTH, max_x = min_x + random() % (WIDTH - min_x);
            min_y = random() % HEIGHT, max_y = min_y + random() % (HEIGHT - min_y);
        }
        clip_min_x = min_x, clip_min_y = min_y, clip_max_x = max_x, clip_max_y = max_y;
        BitmapImage image{};
        ASSERT_EQ(1, image_create(&image, place(random), place(random), size(random), size(random),
                                  bits));
        auto* pixels = reinterpret_cast<Pixel*>(image.pixels);
        for (int i = 0; i < image.width * image.height; ++i) {
            const int v = value(random);
            pixels[i] = static_cast<Pixel>(v == 0xA5 ? 1 : v); // never the background
        }
        image.attributes |= IMAGE_HAS_PIXELS;
        const int transparent = round % 3 == 0;
        dest.clear();
        const int drawn =
            sizeof(Pixel) == 1
                ? image_draw(&image, reinterpret_cast<std::uint8_t*>(dest.origin()), dest.pitch(),
                             transparent)
                : image_draw16(&image, reinterpret_cast<std::uint16_t*>(dest.origin()),
                               dest.pitch(), transparent);
        EXPECT_EQ(drawn, 1);
        for (int y = -GuardedBuffer<Pixel>::GUARD; y < HEIGHT + GuardedBuffer<Pixel>::GUARD; ++y)
            for (int x = -GuardedBuffer<Pixel>::GUARD; x < WIDTH + GuardedBuffer<Pixel>::GUARD;
                 ++x) {
                const bool in_image = x >= image.x && x < image.x + image.width && y >= image.y &&
                                      y < image.y + image.height;
                const bool in_clip = x >= min_x && x <= max_x && y >= min_y && y <= max_y;
                Pixel want = GuardedBuffer<Pixel>::BACKGROUND;
                if (in_image && in_clip) {
                    const Pixel source = pixels[(y - image.y) * image.width + (x - image.x)];
                    if (!transparent || source != 0) want = source;
                }
                ASSERT_EQ(dest.at(x, y), want) << "round " << round << " at " << x << ", " << y;
            }
        image_destroy(&image);
    }
    display_context_reset();
}

} // namespace

TEST(ImageDrawClip, ChangesExactlyThePixelsWhereImageAndClipMeet) {
    draw_randomly<std::uint8_t>(8);
    draw_randomly<std::uint16_t>(16);
}
