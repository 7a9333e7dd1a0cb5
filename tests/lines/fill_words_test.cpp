// Word fills: exactly count words from the address, whatever the alignment and length.
#include "engine/util/lines.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

TEST(FillWords, WritesExactlyCountWordsAtAnyOffset) {
    std::mt19937 random(7);
    std::vector<std::uint16_t> words(80);
    for (int trial = 0; trial < 2000; ++trial) {
        const int offset = static_cast<int>(random() % 16);
        const int count = static_cast<int>(random() % 40) - 2; // a few counts of 0 or less
        const auto value = static_cast<std::uint16_t>(random());
        std::fill(words.begin(), words.end(), static_cast<std::uint16_t>(~value));
        fill_words(words.data() + offset, value, count);
        for (int i = 0; i < static_cast<int>(words.size()); ++i) {
            const bool inside = i >= offset && i < offset + count;
            ASSERT_EQ(words[i], inside ? value : static_cast<std::uint16_t>(~value))
                << "offset " << offset << " count " << count << " at " << i;
        }
    }
}
