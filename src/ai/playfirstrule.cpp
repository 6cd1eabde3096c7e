// SPDX-License-Identifier: GPL-3.0-or-later
#include "ai/rules.h"
#include "window/form1.h"

#include <algorithm>

namespace tavelin {

bool Form1::RuleMatches(Rule rule, CellContent colour) const {
    return std::all_of(rule.others.begin(), rule.others.end(),
                       [&](int cell) { return cellHolds(cell, colour); }) &&
           cellHolds(rule.target, CellContent::Empty) &&
           (rule.support == Rule::noCell || !cellHolds(rule.support, CellContent::Empty));
}

// Plays Blue on the target of the first matching rule; false when none matches.
bool Form1::PlayFirstRule(std::span<const Rule> rules, CellContent colour) {
    const auto match = std::find_if(rules.begin(), rules.end(),
                                    [&](Rule rule) { return RuleMatches(rule, colour); });
    if (match == rules.end()) {
        return false;
    }
    PlacePiece(match->target, CellContent::Blue);
    return true;
}

} // namespace tavelin
