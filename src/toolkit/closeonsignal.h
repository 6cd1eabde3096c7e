// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

namespace tavelin {

// When the desktop session or a terminal asks the program to end (SIGTERM, SIGINT, SIGHUP),
// closes every window as the user would, so that the game leaves cleanly: a network peer is
// told, and the program exits with success. One per process.
class CloseOnSignal : public QObject {
    Q_OBJECT

public:
    explicit CloseOnSignal(QObject* parent = nullptr);
    ~CloseOnSignal() override;

private:
    static void onSignal(int signal);
    void closeWindows();

    QSocketNotifier* notifier_ = nullptr;
};

} // namespace tavelin
