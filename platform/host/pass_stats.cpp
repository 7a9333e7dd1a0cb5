// Pass lengths between presented frames, summarised for the end-to-end test.
#include "platform/host/pass_stats.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

struct PassLengths {
    long count = 0;
    double sum_ms = 0;
    double worst_ms = 0;
};

struct PassStats {
    std::int64_t last_us = -1;
    int last_cursor = -1;
    PassLengths by_cursor[2]; // [0] no cursor (playing), [1] cursor (menus)
    long out_of_sight = 0;
};

PassStats Passes;

void write_line(std::FILE* file, const char* name, const PassLengths& lengths) {
    double mean = lengths.count ? lengths.sum_ms / lengths.count : 0;
    std::fprintf(file, "%s passes %ld mean_ms %.3f worst_ms %.3f\n", name, lengths.count, mean,
                 lengths.worst_ms);
}

} // namespace

void pass_stats_frame(std::int64_t now_us, int cursor_visible) {
    int cursor = cursor_visible != 0;
    // A pass counts for a screen only when it began and ended on it.
    if (Passes.last_us >= 0 && Passes.last_cursor == cursor) {
        double ms = (now_us - Passes.last_us) / 1000.0;
        PassLengths& lengths = Passes.by_cursor[cursor];
        lengths.count++;
        lengths.sum_ms += ms;
        lengths.worst_ms = std::max(lengths.worst_ms, ms);
    }
    Passes.last_us = now_us;
    Passes.last_cursor = cursor;
}

void pass_stats_out_of_sight() {
    Passes.last_us = -1;
    Passes.out_of_sight++;
}

void pass_stats_finish() {
    const char* path = std::getenv("BRAMBLELEAP_PASS_STATS");
    if (path && path[0]) {
        if (std::FILE* file = std::fopen(path, "w")) {
            write_line(file, "menu", Passes.by_cursor[1]);
            write_line(file, "playing", Passes.by_cursor[0]);
            std::fprintf(file, "out_of_sight %ld\n", Passes.out_of_sight);
            std::fclose(file);
        }
    }
    Passes = PassStats();
}
