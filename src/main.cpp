// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/socketlibrary.h"
#include "toolkit/clockrandom.h"
#include "toolkit/closeonsignal.h"
#include "toolkit/picture.h"
#include "toolkit/qtdialogs.h"
#include "toolkit/urlopener.h"
#include "window/form1.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <cstdio>
#include <optional>

namespace {

// Read before any window system is touched, so that --help and --version work anywhere; those
// and unknown options end the program here. Nothing when the port given is no port.
std::optional<tavelin::NetworkSettings> portsFromCommandLine(int& argc, char* argv[]) {
    const QCoreApplication parsing(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Four in a row against the computer, a "
                                                    "friend at the same machine, or over the "
                                                    "network."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption portOption(
        QStringLiteral("port"),
        QStringLiteral("TCP port for network games, to listen on and to connect to, with no "
                       "fallback (default %1, or %2 where %1 is reserved).")
            .arg(tavelin::NetworkSettings::defaultPort)
            .arg(tavelin::NetworkSettings::unprivilegedPort),
        QStringLiteral("N"));
    parser.addOption(portOption);
    parser.process(parsing);
    if (!parser.isSet(portOption)) {
        return tavelin::NetworkSettings{};
    }
    bool valid = false;
    const uint port = parser.value(portOption).toUInt(&valid);
    if (!valid || port == 0 || port > 65535) {
        std::fprintf(stderr, "tavelin: --port takes a number from 1 to 65535\n");
        return std::nullopt;
    }
    return tavelin::NetworkSettings{static_cast<quint16>(port), std::nullopt};
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("tavelin"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVELIN_VERSION));
    const std::optional<tavelin::NetworkSettings> ports = portsFromCommandLine(argc, argv);
    if (!ports) {
        return 2;
    }
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(TAVELIN_APP_ID));
    QApplication::setWindowIcon(QIcon(tavelin::Picture::render(
        QStringLiteral(":/artwork/tavelin.svg"), {256, 256}, app.devicePixelRatio())));

    const tavelin::CloseOnSignal closeOnSignal;
    tavelin::QtDialogs dialogs;
    tavelin::ClockRandom random;
    tavelin::DesktopUrlOpener urls;
    tavelin::PosixSocketLibrary sockets;
    tavelin::Form1 window(tavelin::Platform{dialogs, random, urls, sockets, *ports});
    dialogs.setOwner(&window);
    window.show();
    return QApplication::exec();
}
