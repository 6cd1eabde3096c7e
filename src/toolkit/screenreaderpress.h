// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

namespace tavelin {

// A screen reader's press on a control, made as a click on it would be: once the screen
// reader's request has been answered, outside its handler, and only while no box stands over
// the control's window (the control's own dialog may be the modal one), both when the request
// comes and when its turn comes. Nothing is pressed once the control is gone or out of view.
void pressForScreenReader(QWidget& control, std::function<void()> press);

} // namespace tavelin
