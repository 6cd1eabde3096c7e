// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes what a network peer may send: any bytes, over several arrivals (split at 0xFF),
// into a session that may still wait for the greeting. Play must never crash, read outside the
// board or do anything undefined: the sanitizers watch.
#include "support/testplatform.h"
#include "toolkit/menuitemarray.h"

#include <QApplication>

using namespace tavelin;

namespace {

Form1& sessionForm() {
    static int argc = 1;
    static char name[] = "fuzz_received_text";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    static test::TestGame game;
    return *game.form;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    Form1& form = sessionForm();
    form.mnusubGame_Click(mnuOnePlayer);
    form.mnusubGame().setChecked(mnuOnePlayer, false);
    form.mnusubGame().setChecked((data[0] & 1U) != 0 ? mnuWaitForConnection : mnuConnectToOpponent,
                                 true);
    form.NewGame();
    form.GameActive = False;
    form.AwaitingGreeting = (data[0] & 2U) != 0 ? True : False;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));
    for (const QByteArray& arrival : bytes.split('\xFF')) {
        form.HandleReceivedText(QString::fromLatin1(arrival));
    }
    return 0;
}
