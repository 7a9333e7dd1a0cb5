// The showcase run headless through every scene and every transition: the scenes differ
// from one another and look the same on every visit, each effect plays to its end and is
// named while it plays, the program ends cleanly on Escape, and the guide's pictures are
// the frames it shows.
#include "showcase_tour.h"

#include "engine/engine.h"
#include "showcase/colours.h"
#include "showcase/effects.h"
#include "showcase/scene.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

namespace {

// Right through all five scenes and round to the first, then back with Left: nine changes,
// so each of the nine effects plays once, and four scenes are seen a second time.
const std::vector<int> KEYS = {VK_RIGHT, VK_SPACE, VK_RIGHT, VK_RIGHT, VK_RIGHT,
                               VK_LEFT,  VK_LEFT,  VK_LEFT,  VK_LEFT};
const std::int32_t SCENE_ORDER[] = {0, 1, 2, 3, 4, 0, 4, 3, 2, 1};

const Tour& tour() {
    static const Tour result = tour_showcase(KEYS);
    return result;
}

bool same_picture(const HeadlessFrame& a, const HeadlessFrame& b) {
    return a.pixels == b.pixels && std::memcmp(a.palette, b.palette, sizeof a.palette) == 0;
}

std::string read_text(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The picture as red, green, blue bytes; empty when it cannot be read.
std::vector<std::uint8_t> read_png(const std::string& path, int* width, int* height) {
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
    image.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return {};
    *width = static_cast<int>(image.width);
    *height = static_cast<int>(image.height);
    return rgb;
}

TEST(Showcase, EndsWithCodeZeroOnEscapeAndReleasesEverything) {
    EXPECT_EQ(tour().exit_code, 0);
    EXPECT_EQ(tour().live_objects, 0);
}

TEST(Showcase, GoesForwardWithRightAndSpaceAndBackWithLeftWrappingRound) {
    ASSERT_EQ(tour().shots.size(), std::size(SCENE_ORDER));
    for (std::size_t i = 0; i < tour().shots.size(); ++i)
        EXPECT_EQ(tour().shots[i].scene, SCENE_ORDER[i]) << "visit " << i;
}

TEST(Showcase, EverySceneDiffersFromTheOneBeforeAndLeavesTheClipRectangleWhole) {
    const std::vector<SceneShot>& shots = tour().shots;
    for (std::size_t i = 0; i < shots.size(); ++i) {
        EXPECT_EQ(shots[i].frame.width, 640);
        EXPECT_EQ(shots[i].frame.height, 480);
        EXPECT_EQ(shots[i].clip[0], 0);
        EXPECT_EQ(shots[i].clip[1], 0);
        EXPECT_EQ(shots[i].clip[2], 639);
        EXPECT_EQ(shots[i].clip[3], 479);
        if (i > 0) {
            EXPECT_NE(shots[i].frame.pixels, shots[i - 1].frame.pixels) << "visit " << i;
        }
    }
}

// A scene that left palette changes, blinkers, clip rectangles or sprites behind would look
// different when it comes round again.
TEST(Showcase, ASceneLooksTheSameOnEveryVisit) {
    const std::vector<SceneShot>& shots = tour().shots;
    int compared = 0;
    for (std::size_t later = 0; later < shots.size(); ++later)
        for (std::size_t earlier = 0; earlier < later; ++earlier)
            if (shots[earlier].scene == shots[later].scene) {
                EXPECT_TRUE(same_picture(shots[earlier].frame, shots[later].frame))
                    << "scene " << shots[later].scene;
                ++compared;
            }
    EXPECT_EQ(compared, 5);
}

TEST(Showcase, PlaysTheNineEffectsInTurnEachNamedBeforeItStarts) {
    const std::vector<TransitionRecord>& transitions = tour().transitions;
    ASSERT_EQ(transitions.size(), static_cast<std::size_t>(EFFECT_COUNT));
    for (std::int32_t i = 0; i < EFFECT_COUNT; ++i) {
        const TransitionRecord& t = transitions[i];
        EXPECT_EQ(t.effect, i);
        EXPECT_EQ(t.from_scene, SCENE_ORDER[i]);
        // The banner's border, drawn over the scene the effect starts from.
        EXPECT_EQ(t.first.pixels[197 * 640 + 161], GOLD + 9) << effect_name(i);
        EXPECT_NE(t.first.pixels, tour().shots[i].frame.pixels) << effect_name(i);
    }
}

// The end of every fade, in every entry, from the colours it started with.
TEST(Showcase, FadesReachTheirColourStepByStep) {
    for (const TransitionRecord& t : tour().transitions) {
        if (effect_is_wipe(t.effect)) continue;
        SCOPED_TRACE(effect_name(t.effect));
        EXPECT_GE(t.palette_changes, 20);
        const HostColor* start = t.first.palette;
        const HostColor* end = t.last.palette;
        for (int i = 0; i < 256; ++i) {
            const int r = end[i].red, g = end[i].green, b = end[i].blue;
            switch (t.effect) {
            case TRANSITION_FADE_BLACK:
                if (i == 0) {
                    EXPECT_TRUE(r == start[0].red && g == start[0].green && b == start[0].blue);
                } else {
                    EXPECT_TRUE(r <= 15 && g <= 15 && b <= 15) << "entry " << i;
                }
                break;
            case TRANSITION_FADE_WHITE:
                EXPECT_TRUE(r == 255 && g == 255 && b == 255) << "entry " << i;
                break;
            case TRANSITION_FADE_BLUE:
                EXPECT_TRUE(r == 0 && g == 0 && b == 255) << "entry " << i;
                break;
            case TRANSITION_FADE_RED:
                EXPECT_TRUE(r == 255 && g == 0 && b == 0) << "entry " << i;
                break;
            case TRANSITION_FADE_GREEN:
                EXPECT_TRUE(r == 0 && g == 255 && b == 0) << "entry " << i;
                break;
            default:
                ADD_FAILURE() << "unknown effect";
            }
        }
    }
}

// Every wipe ends with the whole screen at index 0; the dissolve leaves a few pixels standing.
TEST(Showcase, WipesBlankTheScreen) {
    const int all = 640 * 480;
    for (const TransitionRecord& t : tour().transitions) {
        if (!effect_is_wipe(t.effect)) continue;
        SCOPED_TRACE(effect_name(t.effect));
        if (t.effect == TRANSITION_DISSOLVE) {
            EXPECT_GT(blanked_pixels(t.last), all * 95 / 100);
            EXPECT_LT(blanked_pixels(t.last), all);
        } else {
            EXPECT_EQ(blanked_pixels(t.last), all);
        }
    }
}

// The line wipes draw into the locked primary, so the screen shows them while they run:
// picture after picture, each blanker than the one before.
TEST(Showcase, LineWipesAreSeenStepByStep) {
    const int all = 640 * 480;
    for (const TransitionRecord& t : tour().transitions) {
        if (!effect_is_wipe(t.effect) || t.effect == TRANSITION_DISSOLVE) continue;
        SCOPED_TRACE(effect_name(t.effect));
        int partial = 0;
        for (std::size_t i = 1; i < t.blanked.size(); ++i) {
            EXPECT_GE(t.blanked[i], t.blanked[i - 1]);
            if (t.blanked[i] > t.blanked[0] && t.blanked[i] < all) ++partial;
        }
        EXPECT_GE(partial, 20);
    }
}

// docs/showcase-<scene>.png is the frame kept at the first visit of that scene.
TEST(Showcase, TheGuidesPicturesAreTheFramesItShows) {
    for (std::int32_t scene = 0; scene < SCENE_COUNT; ++scene) {
        const std::string path =
            std::string(SOURCE_DIR) + "/docs/showcase-" + SCENES[scene]->short_name + ".png";
        SCOPED_TRACE(path);
        int width = 0, height = 0;
        const std::vector<std::uint8_t> rgb = read_png(path, &width, &height);
        ASSERT_EQ(width, 640);
        ASSERT_EQ(height, 480);
        const HeadlessFrame& frame = tour().shots[scene].frame;
        int differing = 0;
        for (int p = 0; p < width * height; ++p) {
            const HostColor& colour = frame.palette[frame.pixels[p]];
            if (rgb[p * 3] != colour.red || rgb[p * 3 + 1] != colour.green ||
                rgb[p * 3 + 2] != colour.blue)
                ++differing;
        }
        EXPECT_EQ(differing, 0);
    }
}

TEST(Showcase, TheGuideShowsTheExampleProgramAsItIsBuilt) {
    const std::string guide = read_text(std::string(SOURCE_DIR) + "/docs/engine.md");
    const std::string example =
        read_text(std::string(SOURCE_DIR) + "/showcase/example_minimal.cpp");
    ASSERT_FALSE(example.empty());
    EXPECT_NE(guide.find("```cpp\n" + example + "```"), std::string::npos);
}

} // namespace
