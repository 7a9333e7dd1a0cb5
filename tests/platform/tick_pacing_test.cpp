// The clock's resting rule: a few readings within one millisecond come at once, further
// ones rest until the clock moves on, and every answer is the clock's own.
#include "platform/host/tick_pacing.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

namespace {

// A clock under the test's control: it moves by a random step at some readings, and a rest
// moves it to the millisecond asked for (or, now and then, wakes a little early).
std::mt19937 Random;
std::int64_t Now = 0;
int MoveChance = 0; // in per cent, at each reading
std::vector<std::int64_t> Rests;

std::int64_t read_fake() {
    if (static_cast<int>(Random() % 100) < MoveChance) Now += 1 + Random() % 3;
    return Now;
}

void rest_fake(std::int64_t next_ms) {
    Rests.push_back(next_ms);
    if (Random() % 4 && Now < next_ms) Now = next_ms;
}

void start(unsigned seed, std::int64_t now, int move_chance) {
    Random.seed(seed);
    Now = now;
    MoveChance = move_chance;
    Rests.clear();
}

} // namespace

TEST(TickPacing, TheFirstReadingsOfAMillisecondComeAtOnceThenTheWaitRests) {
    start(1, 5000, 0);
    TickPacing pacing;
    for (int i = 0; i < QUICK_READINGS_PER_MILLISECOND; i++)
        EXPECT_EQ(paced_reading(&pacing, read_fake, rest_fake), 5000);
    EXPECT_TRUE(Rests.empty());
    // The next one rests, for as long as it takes the clock to reach 5001.
    EXPECT_EQ(paced_reading(&pacing, read_fake, rest_fake), 5001);
    ASSERT_FALSE(Rests.empty());
    for (std::int64_t asked : Rests)
        EXPECT_EQ(asked, 5001);
    // A new millisecond starts the count again.
    Rests.clear();
    for (int i = 1; i < QUICK_READINGS_PER_MILLISECOND; i++)
        EXPECT_EQ(paced_reading(&pacing, read_fake, rest_fake), 5001);
    EXPECT_TRUE(Rests.empty());
}

// Clocks that move often, seldom or almost never: the answers never go back, no millisecond
// is answered more than the quick readings' number of times in a row, each rest asks for the
// millisecond after the last answer, and a clock that moves on by itself is never rested on.
TEST(TickPacing, AnswersNeverRepeatAMillisecondMoreThanTheQuickReadings) {
    for (int chance : {0, 5, 30, 90}) {
        start(static_cast<unsigned>(chance), 1000 * chance, chance);
        TickPacing pacing;
        std::int64_t last = -1;
        int repeats = 0;
        for (int i = 0; i < 5000; i++) {
            std::size_t rests_before = Rests.size();
            std::int64_t now = paced_reading(&pacing, read_fake, rest_fake);
            ASSERT_GE(now, last);
            ASSERT_EQ(now, Now) << "an answer that is not the clock's reading";
            repeats = now == last ? repeats + 1 : 1;
            ASSERT_LE(repeats, QUICK_READINGS_PER_MILLISECOND);
            if (Rests.size() > rests_before) {
                ASSERT_EQ(repeats, 1) << "rested, yet the same millisecond came back";
                for (std::size_t r = rests_before; r < Rests.size(); r++)
                    ASSERT_EQ(Rests[r], last + 1);
            }
            last = now;
        }
        if (chance == 90) {
            EXPECT_LT(Rests.size(), 100u);
        }
    }
}
