// SPDX-License-Identifier: GPL-3.0-or-later
#include "ai/rules.h"
#include "window/form1.h"

namespace tavelin {

// Stage 2: complete a Blue diagonal.
void Form1::TryWinDiagonal() {
    if (!PlayFirstRule(rules::diagonal, CellContent::Blue)) {
        BlockRedStraight();
    }
}

} // namespace tavelin
