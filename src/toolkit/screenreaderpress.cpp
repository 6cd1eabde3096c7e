// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/screenreaderpress.h"

#include <QApplication>
#include <QMetaObject>
#include <QWidget>

namespace tavelin {

namespace {
bool takesPress(const QWidget& control) {
    const QWidget* modal = QApplication::activeModalWidget();
    return (modal == nullptr || modal == control.window()) && control.isVisible();
}
} // namespace

// Queued on the control itself: a control deleted meanwhile takes its pending call with it.
void pressForScreenReader(QWidget& control, std::function<void()> press) {
    if (!takesPress(control)) {
        return;
    }
    QMetaObject::invokeMethod(
        &control,
        [&control, press = std::move(press)] {
            if (takesPress(control)) {
                press();
            }
        },
        Qt::QueuedConnection);
}

} // namespace tavelin
