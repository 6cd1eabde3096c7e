// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace tavelin {

// What a board cell holds: which reference picture it shows.
enum class CellContent { Empty, Red, Blue };

// Board geometry. Cell = 7 * row + column, row 0 at the bottom, column 0 at the left; the
// cell above cell i is i + 7. The marker above column c is element 42 + c of the same array.
namespace board {
inline constexpr int columns = 7;
inline constexpr int rows = 6;
inline constexpr int cellCount = columns * rows; // 42
inline constexpr int firstMarker = cellCount;    // 42, above column 0
inline constexpr int lastMarker = firstMarker + columns - 1;
inline constexpr int elementCount = lastMarker + 1; // 49 picture controls in all
inline constexpr int topRowStart = cellCount - columns;
// The column markers, from the leftmost: 42 to 48.
inline constexpr std::array<int, columns> markers{42, 43, 44, 45, 46, 47, 48};
static_assert(markers.front() == firstMarker && markers.back() == lastMarker);

constexpr bool isCell(int index) {
    return index >= 0 && index < cellCount;
}
constexpr bool isMarker(int index) {
    return index >= firstMarker && index <= lastMarker;
}
constexpr bool isTopRow(int cell) {
    return cell >= topRowStart && cell < cellCount;
}
constexpr int column(int cell) {
    return cell % columns;
}
constexpr int row(int cell) {
    return cell / columns;
}
constexpr int markerOfColumn(int column) {
    return firstMarker + column;
}
constexpr int markerAbove(int cell) {
    return markerOfColumn(column(cell));
}
} // namespace board

} // namespace tavelin
