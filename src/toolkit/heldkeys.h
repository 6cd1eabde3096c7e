// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSet>

class QKeyEvent;
class QWidget;

namespace tavelin {

// Tells a key held down from a key pressed again, for one widget: a press counts once, until
// its key is released. It watches the widget's key releases itself, and forgets every key when
// the widget loses the keyboard, since a release may then go elsewhere; the widget asks it of
// each press.
class HeldKeys : public QObject {
    Q_OBJECT

public:
    explicit HeldKeys(QWidget* keyboard);

    // X11 puts a release before each repeat of a held key, which Qt tells from a real release only
    // by finding the repeat already queued behind it: under load it misses some. Asks the X server
    // to send the repeats as presses alone; nothing to do elsewhere. Once, with the application.
    static void askForPlainRepeats();

    // Whether this press only repeats a key held down.
    bool repeats(const QKeyEvent& press);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSet<int> down_;
};

} // namespace tavelin
