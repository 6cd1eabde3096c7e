// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QDialog;

#include <deque>
#include <functional>

namespace tavelin {

// Keeps event handlers from nesting. Qt delivers events only from an event loop, so the one
// way a handler can be entered while another runs is a nested loop: a modal box or dialog.
// Every such loop runs inside a ModalScope; events posted through the gate wait while one is
// open and are delivered in the order posted, each on its own, once the running handler returns.
class HandlerGate : public QObject {
    Q_OBJECT

public:
    // Runs a modal dialog inside a ModalScope, the way every modal dialog of the game is run,
    // and returns its result.
    static int runModal(QDialog& dialog);

    // Held for as long as something stands in for a modal loop (a test's box, say).
    class ModalScope {
    public:
        ModalScope();
        ~ModalScope();
        ModalScope(const ModalScope&) = delete;
        ModalScope& operator=(const ModalScope&) = delete;
    };

    static void post(std::function<void()> event);
    // Whether events wait for the running handler, or a modal loop, to end.
    static bool hasWaitingEvents();

private:
    static bool isOpen();
    HandlerGate() = default;
    static HandlerGate& instance();
    void scheduleDelivery();
    void deliver();

    int modalDepth_ = 0;
    bool deliveryScheduled_ = false;
    std::deque<std::function<void()>> waiting_;
};

} // namespace tavelin
