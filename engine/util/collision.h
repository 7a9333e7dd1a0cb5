// Box overlap tests and colour scans over locked pixel memory.
#pragma once

#include <cstdint>

std::int32_t rects_overlap(std::int32_t x1, std::int32_t y1, std::int32_t width1,
                           std::int32_t height1, std::int32_t x2, std::int32_t y2,
                           std::int32_t width2, std::int32_t height2);
std::int32_t rects_overlap_scaled(std::int32_t x1, std::int32_t y1, std::int32_t width1,
                                  std::int32_t height1, std::int32_t x2, std::int32_t y2,
                                  std::int32_t width2, std::int32_t height2);
std::int32_t color_scan(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                        std::int32_t lowest, std::int32_t highest, const std::uint8_t* buffer,
                        std::int32_t pitch);
std::int32_t color_scan16(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                          std::int32_t first, std::int32_t second, const std::uint16_t* buffer,
                          std::int32_t pitch);
