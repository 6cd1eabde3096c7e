// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>

class QKeyEvent;

namespace tavelin {

// Tells a key held down from a key pressed again: a press counts once, until its key is
// released. A widget reports its presses and releases here, and forgets them all when it loses
// the keyboard, since a release may then go elsewhere.
class HeldKeys {
public:
    // X11 puts a release before each repeat of a held key, which Qt tells from a real release only
    // by finding the repeat already queued behind it: under load it misses some. Asks the X server
    // to send the repeats as presses alone; nothing to do elsewhere. Once, with the application.
    static void askForPlainRepeats();

    // Whether this press only repeats a key held down.
    bool repeats(const QKeyEvent& press);
    void released(const QKeyEvent& release);
    void forgetAll() { down_.clear(); }

private:
    QSet<int> down_;
};

} // namespace tavelin
