// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/closeonsignal.h"

#include <QApplication>
#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <stdexcept>

#include <sys/socket.h>
#include <unistd.h>

namespace tavelin {

namespace {
// A signal handler may only write to a descriptor; the event loop reads the other end.
std::array<int, 2> wakeUp{-1, -1};
constexpr std::array<int, 3> closingSignals{SIGTERM, SIGINT, SIGHUP};
// What each signal did before, put back when the program stops listening for them.
std::array<struct sigaction, closingSignals.size()> previousActions{};
} // namespace

CloseOnSignal::CloseOnSignal(QObject* parent) : QObject(parent) {
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, wakeUp.data()) != 0) {
        throw std::runtime_error("cannot create the signal socket pair");
    }
    notifier_ = new QSocketNotifier(wakeUp[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &CloseOnSignal::closeWindows);

    struct sigaction action = {};
    action.sa_handler = &CloseOnSignal::onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < closingSignals.size(); ++i) {
        sigaction(closingSignals.at(i), &action, &previousActions.at(i));
    }
}

CloseOnSignal::~CloseOnSignal() {
    for (std::size_t i = 0; i < closingSignals.size(); ++i) {
        sigaction(closingSignals.at(i), &previousActions.at(i), nullptr);
    }
    ::close(wakeUp[0]);
    ::close(wakeUp[1]);
    wakeUp = {-1, -1};
}

void CloseOnSignal::onSignal(int /*signal*/) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeUp[0], &byte, sizeof byte);
}

void CloseOnSignal::closeWindows() {
    char byte = 0;
    [[maybe_unused]] const ssize_t read = ::read(wakeUp[1], &byte, sizeof byte);
    QApplication::closeAllWindows();
}

} // namespace tavelin
