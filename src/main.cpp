#include "net/socketlibrary.h"
#include "toolkit/clockrandom.h"
#include "toolkit/closeonsignal.h"
#include "toolkit/qtdialogs.h"
#include "toolkit/urlopener.h"
#include "window/form1.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <cstdio>
#include <optional>

namespace {

std::optional<quint16> portFromCommandLine(const QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Four in a row against the computer, a "
                                                    "friend at the same machine, or over the "
                                                    "network."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption portOption(
        QStringLiteral("port"),
        QStringLiteral("TCP port for network games, to listen on and to connect to "
                       "(default %1).")
            .arg(tavelin::Platform::defaultPort),
        QStringLiteral("N"), QString::number(tavelin::Platform::defaultPort));
    parser.addOption(portOption);
    parser.process(app);

    bool valid = false;
    const uint port = parser.value(portOption).toUInt(&valid);
    if (!valid || port == 0 || port > 65535) {
        std::fprintf(stderr, "tavelin: --port takes a number from 1 to 65535\n");
        return std::nullopt;
    }
    return static_cast<quint16>(port);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavelin"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tavelin"));
    QApplication::setApplicationVersion(QStringLiteral(TAVELIN_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/tavelin-256.png")));

    const std::optional<quint16> port = portFromCommandLine(app);
    if (!port) {
        return 2;
    }
    const tavelin::CloseOnSignal closeOnSignal;
    tavelin::QtDialogs dialogs;
    tavelin::ClockRandom random;
    tavelin::DesktopUrlOpener urls;
    tavelin::PosixSocketLibrary sockets;
    tavelin::Form1 window(tavelin::Platform{dialogs, random, urls, sockets, *port});
    window.show();
    return QApplication::exec();
}
