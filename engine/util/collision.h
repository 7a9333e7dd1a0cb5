// Box overlap tests and colour scans over locked pixel memory.
#pragma once

#include <cstdint>

// 1 when an edge of either box lies within the other's closed spans on both axes.
std::int32_t rects_overlap(std::int32_t x1, std::int32_t y1, std::int32_t width1,
                           std::int32_t height1, std::int32_t x2, std::int32_t y2,
                           std::int32_t width2, std::int32_t height2);
// 1 when the boxes, each shrunk to three quarters about its top-left corner, overlap.
std::int32_t rects_overlap_scaled(std::int32_t x1, std::int32_t y1, std::int32_t width1,
                                  std::int32_t height1, std::int32_t x2, std::int32_t y2,
                                  std::int32_t width2, std::int32_t height2);
// 1 when a pixel of the box, corners included and held on screen, lies in lowest..highest.
std::int32_t color_scan(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                        std::int32_t lowest, std::int32_t highest, const std::uint8_t* buffer,
                        std::int32_t pitch);
// 1 when a 16-bit pixel of the box equals first or second.
std::int32_t color_scan16(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                          std::int32_t first, std::int32_t second, const std::uint16_t* buffer,
                          std::int32_t pitch);

// The shrunk-box rule that rects_overlap_scaled and sprite_hit_test share: a size's
// half-extent (three eighths of it), and whether two reference points dx, dy apart lie
// closer than the summed half-extents on both axes.
std::int32_t scaled_half_extent(std::int32_t size);
std::int32_t centres_within(std::int64_t dx, std::int64_t dy, std::int32_t hw1, std::int32_t hh1,
                            std::int32_t hw2, std::int32_t hh2);
