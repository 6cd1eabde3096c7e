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
//
// It relies on how a held key repeats. On Wayland, Qt makes each repeat a release and a press,
// both marked as repeats. On X11 the game asks the X server at start-up for repeats as presses
// alone (x11keyboard.h): without that, each repeat comes as a release and a press, which Qt
// marks only when it finds the press already queued behind the release, and under load it
// misses some, so that a held key plays again.
class HeldKeys : public QObject {
    Q_OBJECT

public:
    explicit HeldKeys(QWidget* keyboard);

    // Whether this press only repeats a key held down.
    bool repeats(const QKeyEvent& press);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSet<int> down_;
};

} // namespace tavelin
