// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/linewindows.h"

#include <array>
#include <cstdint>

namespace tavelin {

// A computer rule: when the three other cells of a window hold the stage's colour, the target
// is empty and the cell below the target (where it lies outside the window) is occupied, the
// computer plays Blue on the target. Each stage tests its rules in list order; the first match
// is played.
struct Rule {
    static constexpr std::int8_t noCell = -1;

    std::array<std::int8_t, 3> others;
    std::int8_t target;
    std::int8_t support; // noCell: on the bottom row, or the window itself holds it up
};

namespace rules {

constexpr Rule make(LineWindow window, int targetPosition) {
    Rule rule{{}, window.cells.at(static_cast<std::size_t>(targetPosition)), Rule::noCell};
    std::size_t next = 0;
    for (int k = 0; k < 4; ++k) {
        if (k != targetPosition) {
            rule.others.at(next++) = window.cells.at(static_cast<std::size_t>(k));
        }
    }
    const int below = rule.target - board::columns;
    if (below >= 0 && !window.contains(below)) {
        rule.support = static_cast<std::int8_t>(below);
    }
    return rule;
}

// Rows and columns: every target of every horizontal window (row by row from the bottom,
// windows from the left, targets from the left), then the top cell of each vertical window
// (column by column from the left, windows from the bottom). 96 + 21 rules.
inline constexpr auto straight = [] {
    std::array<Rule, windows::horizontal.size() * 4 + windows::vertical.size()> list{};
    std::size_t next = 0;
    for (const LineWindow& window : windows::horizontal) {
        for (int k = 0; k < 4; ++k) {
            list.at(next++) = make(window, k);
        }
    }
    for (const LineWindow& window : windows::vertical) {
        list.at(next++) = make(window, 3); // a column is only ever played at its top
    }
    return list;
}();

// Diagonals: every target of every rising window, then of every falling one (windows by their
// lowest cell's row, then column; targets from the lowest up). 48 + 48 rules.
inline constexpr auto diagonal = [] {
    std::array<Rule, (windows::rising.size() + windows::falling.size()) * 4> list{};
    std::size_t next = 0;
    for (const auto& family : {std::span<const LineWindow>(windows::rising),
                               std::span<const LineWindow>(windows::falling)}) {
        for (const LineWindow& window : family) {
            for (int k = 0; k < 4; ++k) {
                list.at(next++) = make(window, k);
            }
        }
    }
    return list;
}();

static_assert(straight.size() == 117 && diagonal.size() == 96);

} // namespace rules

} // namespace tavelin
