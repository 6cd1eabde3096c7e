// SPDX-License-Identifier: GPL-3.0-or-later
#include "ai/rules.h"
#include "window/form1.h"

namespace tavelin {

// Stage 3: block a row or column where Red's next piece would make four.
void Form1::BlockRedStraight() {
    if (!PlayFirstRule(rules::straight, CellContent::Red)) {
        BlockRedDiagonal();
    }
}

} // namespace tavelin
