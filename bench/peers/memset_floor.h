// The floor the drawing benchmarks measure against: one memset per span of the same shapes,
// spans that were found beforehand, outside the timed loop.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

struct Span {
    int offset; // byte offset of the first pixel
    int count;
    int color;
};

// Fills every span into a width x height 8-bit screen once per pass.
inline void fill_spans_each_pass(benchmark::State& state, const std::vector<Span>& spans, int width,
                                 int height) {
    std::vector<std::uint8_t> screen(static_cast<std::size_t>(width) * height);
    for (auto _ : state) {
        for (const Span& s : spans)
            std::memset(screen.data() + s.offset, s.color, static_cast<std::size_t>(s.count));
        benchmark::ClobberMemory();
    }
}
