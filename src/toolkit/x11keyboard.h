// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavelin {

// On X11, asks the X server to send the repeats of a held key to this program as presses alone,
// without the release it otherwise puts before each (XKB's detectable auto-repeat), so that
// HeldKeys tells a key held from a key pressed again without guessing. It asks through Qt's own
// connection and applies to it alone. Nothing to do on other window systems, and nothing done
// in a build without xcb-xkb, where Qt's own pairing of a repeat's release and press is all
// there is (heldkeys.h). Once, after the application is made.
void askForDetectableAutoRepeat();

} // namespace tavelin
