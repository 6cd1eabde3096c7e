// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/form2.h"
#include "toolkit/handlergate.h"
#include "window/form1.h"

namespace tavelin {

// The About box, modal over the game: the game takes no input until it is closed.
void Form1::mnuAbout_Click() {
    Form2 about(platform_.urls, platform_.dialogs, this);
    HandlerGate::runModal(about);
}

} // namespace tavelin
