// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/board.h"

#include <array>
#include <cstdint>
#include <span>

namespace tavelin {

// A window: four cells in a straight line of the board, lowest cell first (for a horizontal
// line, leftmost first). No window wraps across an edge of the board.
struct LineWindow {
    std::array<std::int8_t, 4> cells;
    constexpr bool contains(int cell) const {
        for (const std::int8_t c : cells) {
            if (c == cell) {
                return true;
            }
        }
        return false;
    }
};

namespace windows {

// Windows of one direction: `step` is the cell-index step along the line; the lowest cells
// lie in the given rows and columns, taken row by row or column by column.
template <int rowCount, int columnCount>
constexpr auto make(int step, int firstRow, int firstColumn, bool byColumn) {
    std::array<LineWindow, static_cast<std::size_t>(rowCount * columnCount)> result{};
    std::size_t next = 0;
    for (int outer = 0; outer < (byColumn ? columnCount : rowCount); ++outer) {
        for (int inner = 0; inner < (byColumn ? rowCount : columnCount); ++inner) {
            const int row = firstRow + (byColumn ? inner : outer);
            const int column = firstColumn + (byColumn ? outer : inner);
            const int start = board::columns * row + column;
            LineWindow& window = result.at(next++);
            for (int k = 0; k < 4; ++k) {
                window.cells.at(static_cast<std::size_t>(k)) =
                    static_cast<std::int8_t>(start + step * k);
            }
        }
    }
    return result;
}

// Rows from the bottom, then leftmost column from the left.
inline constexpr auto horizontal = make<6, 4>(1, 0, 0, false);
// Columns from the left, then lowest row from the bottom.
inline constexpr auto vertical = make<3, 7>(board::columns, 0, 0, true);
// Up and to the right; lowest row from the bottom, then lowest column from the left.
inline constexpr auto rising = make<3, 4>(board::columns + 1, 0, 0, false);
// Up and to the left; lowest row from the bottom, then lowest column 3..6 from the left.
inline constexpr auto falling = make<3, 4>(board::columns - 1, 0, 3, false);

// The four directions in the order the win check tests them.
inline constexpr std::array<std::span<const LineWindow>, 4> allDirections{horizontal, vertical,
                                                                          rising, falling};

} // namespace windows

} // namespace tavelin
