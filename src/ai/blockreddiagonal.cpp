// SPDX-License-Identifier: GPL-3.0-or-later
#include "ai/rules.h"
#include "toolkit/randomsequence.h"
#include "window/form1.h"

#include <cmath>

namespace tavelin {

// Stage 4: block a Red diagonal, else drop into a random column. The draw is made every time,
// before any rule is tested, so each call moves the shared random sequence on by one.
void Form1::BlockRedDiagonal() {
    const int drawnMarker = DrawRandomMarker();
    if (!PlayFirstRule(rules::diagonal, CellContent::Red)) {
        DropPiece(drawnMarker);
    }
}

// In single precision the largest value below 1 gives 7x + 42 = 49.0, a marker that does not
// exist, and the drop would silently skip the computer's move. Double precision keeps the
// product below 7, so every column is equally likely and the index stays within 42..48.
int Form1::DrawRandomMarker() {
    const double x = platform_.random.next();
    return board::firstMarker + static_cast<int>(std::floor(x * board::columns));
}

} // namespace tavelin
