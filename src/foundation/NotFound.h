#pragma once

#include <cstdint>
#include <limits>

// The marker for an absent row, column, separator guess or line ending. Its value is stored in
// settings and presets, so it stays the largest signed 64-bit integer.
inline constexpr std::int64_t NotFound = std::numeric_limits<std::int64_t>::max();
