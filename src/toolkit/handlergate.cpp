// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/handlergate.h"

#include <QDialog>
#include <QMetaObject>

namespace tavelin {

HandlerGate& HandlerGate::instance() {
    static HandlerGate gate;
    return gate;
}

HandlerGate::ModalScope::ModalScope() {
    ++instance().modalDepth_;
}

HandlerGate::ModalScope::~ModalScope() {
    HandlerGate& gate = instance();
    if (--gate.modalDepth_ == 0 && !gate.waiting_.empty()) {
        gate.scheduleDelivery();
    }
}

int HandlerGate::runModal(QDialog& dialog) {
    const ModalScope modal;
    return dialog.exec();
}

bool HandlerGate::hasWaitingEvents() {
    return !instance().waiting_.empty();
}

bool HandlerGate::isOpen() {
    return instance().modalDepth_ == 0;
}

void HandlerGate::post(std::function<void()> event) {
    HandlerGate& gate = instance();
    gate.waiting_.push_back(std::move(event));
    if (isOpen()) {
        gate.scheduleDelivery();
    }
}

// Delivery is always queued, never run from inside the caller: the caller may itself be a
// handler, and the delivery must wait until it has returned to the event loop.
void HandlerGate::scheduleDelivery() {
    if (deliveryScheduled_) {
        return;
    }
    deliveryScheduled_ = true;
    QMetaObject::invokeMethod(this, &HandlerGate::deliver, Qt::QueuedConnection);
}

void HandlerGate::deliver() {
    deliveryScheduled_ = false;
    // An event whose handler opens a modal loop closes the gate; the rest waits for it.
    while (isOpen() && !waiting_.empty()) {
        const std::function<void()> event = std::move(waiting_.front());
        waiting_.pop_front();
        event();
    }
}

} // namespace tavelin
