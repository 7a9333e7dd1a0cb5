// Sprite animation: the order in which frames show for looping, play-once, cycling and still
// sprites, the frame delay, and state that does not fit the sequence.
#include "engine/image/sprite_animate.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// A sprite record with no surfaces, enough to animate.
struct Animated {
    Sprite sprite{};
    Animated(std::uint32_t attributes, std::int32_t delay, std::vector<std::int32_t> entries) {
        sprite.attributes = attributes;
        sprite.frame_delay = delay;
        sprite.frame_count = 12;
        if (!entries.empty()) {
            EXPECT_EQ(1, sprite_add_sequence(&sprite, 0, static_cast<std::int32_t>(entries.size()),
                                             entries.data()));
        }
    }
    ~Animated() { sprite_destroy(&sprite); }

    // The frame on show after each of `calls` calls.
    std::vector<std::int32_t> run(int calls) {
        std::vector<std::int32_t> shown;
        for (int i = 0; i < calls; ++i) {
            EXPECT_EQ(1, sprite_animate(&sprite));
            shown.push_back(sprite.current_frame);
        }
        return shown;
    }
};

using Frames = std::vector<std::int32_t>;

} // namespace

TEST(SpriteAnimate, LoopingSequenceShowsFromTheSecondEntryAndWraps) {
    Animated walk(SPRITE_SEQUENCED, 1, {1, 2, 3, 2});
    EXPECT_EQ((Frames{2, 3, 2, 1, 2, 3, 2, 1}), walk.run(8));
    EXPECT_EQ(0, walk.sprite.animation_done);
}

TEST(SpriteAnimate, DelayCountsCallsPerStepAndZeroActsAsOne) {
    Animated slow(SPRITE_SEQUENCED, 3, {1, 2, 3, 2});
    EXPECT_EQ((Frames{0, 0, 2, 2, 2, 3, 3, 3, 2}), slow.run(9));
    Animated zero(SPRITE_SEQUENCED, 0, {1, 2, 3, 2});
    EXPECT_EQ((Frames{2, 3, 2, 1}), zero.run(4));
}

TEST(SpriteAnimate, PlayOnceHoldsTheLastEntryAndFlagsTheEnd) {
    Animated once(SPRITE_SEQUENCED | SPRITE_PLAY_ONCE, 1, {1, 2, 3, 2});
    std::vector<std::int32_t> done;
    Frames shown;
    for (int i = 0; i < 6; ++i) {
        sprite_animate(&once.sprite);
        shown.push_back(once.sprite.current_frame);
        done.push_back(once.sprite.animation_done);
    }
    EXPECT_EQ((Frames{2, 3, 2, 2, 2, 2}), shown);
    // Set at the step that meets the end marker, and never cleared.
    EXPECT_EQ((std::vector<std::int32_t>{0, 0, 0, 1, 1, 1}), done);
    EXPECT_EQ(3, once.sprite.sequence_position);
}

TEST(SpriteAnimate, OneEntrySequencesShowThatEntryAtEveryStep) {
    Animated looping(SPRITE_SEQUENCED, 1, {5});
    EXPECT_EQ((Frames{5, 5, 5}), looping.run(3));
    Animated once(SPRITE_SEQUENCED | SPRITE_PLAY_ONCE, 1, {5});
    EXPECT_EQ((Frames{5, 5, 5}), once.run(3));
    EXPECT_EQ(1, once.sprite.animation_done);
}

TEST(SpriteAnimate, CyclingStepsThroughEveryFrame) {
    Animated cycle(SPRITE_CYCLE_FRAMES | SPRITE_SEQUENCED, 1, {1, 2});
    cycle.sprite.frame_count = 4;
    EXPECT_EQ((Frames{1, 2, 3, 0, 1}), cycle.run(5));
    // A frame index beyond the count (written by hand) starts again at 0.
    cycle.sprite.current_frame = 0x7FFFFFFF;
    EXPECT_EQ((Frames{0, 1}), cycle.run(2));
}

TEST(SpriteAnimate, StillWinsOverEverythingAndNoBitsMeansNoChange) {
    Animated still(SPRITE_STILL | SPRITE_SEQUENCED | SPRITE_CYCLE_FRAMES, 1, {1, 2, 3});
    still.sprite.current_frame = 7;
    EXPECT_EQ((Frames{0, 0}), still.run(2));
    Sprite zero{};
    EXPECT_EQ(1, sprite_animate(&zero));
    const Sprite untouched{};
    EXPECT_EQ(0, std::memcmp(&untouched, &zero, sizeof zero));
    EXPECT_EQ(0, sprite_animate(nullptr));
}

TEST(SpriteAnimate, SelectingKeepsTheFrameUntilTheNextStepShowsEntryOne) {
    Animated walk(SPRITE_SEQUENCED, 1, {1, 2, 3, 2});
    const std::int32_t jump[] = {6, 7, 8, 7};
    ASSERT_EQ(1, sprite_add_sequence(&walk.sprite, 1, 4, jump));
    walk.run(2); // showing 3
    ASSERT_EQ(1, sprite_select_sequence(&walk.sprite, 1));
    EXPECT_EQ(3, walk.sprite.current_frame);
    EXPECT_EQ((Frames{7, 8, 7, 6}), walk.run(4));
    // Re-selecting the sequence already playing restarts it without changing the frame.
    ASSERT_EQ(1, sprite_select_sequence(&walk.sprite, 1));
    EXPECT_EQ(6, walk.sprite.current_frame);
    EXPECT_EQ((Frames{7, 8}), walk.run(2));
}

TEST(SpriteAnimate, StateThatDoesNotFitTheSequenceNeverReadsPastItsEnd) {
    Animated short_one(SPRITE_SEQUENCED, 1, {4, 5});
    // A position left over from a longer sequence, or written by hand.
    short_one.sprite.sequence_position = 9;
    EXPECT_EQ((Frames{4, 5}), short_one.run(2));
    Animated once(SPRITE_SEQUENCED | SPRITE_PLAY_ONCE, 1, {4, 5});
    once.sprite.sequence_position = 0x7FFFFFFF;
    EXPECT_EQ((Frames{5}), once.run(1));
    // An empty slot, or one beyond the sixteen, plays nothing.
    Animated empty(SPRITE_SEQUENCED, 1, {});
    empty.sprite.current_frame = 3;
    EXPECT_EQ((Frames{3, 3}), empty.run(2));
    empty.sprite.current_sequence = 40;
    EXPECT_EQ((Frames{3}), empty.run(1));
}
