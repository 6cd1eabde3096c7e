// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/avahidiscovery.h"
#include "net/nodiscovery.h"
#include "net/socketlibrary.h"
#include "projectinfo.h"
#include "toolkit/clockrandom.h"
#include "toolkit/closeonsignal.h"
#include "toolkit/picture.h"
#include "toolkit/qtdialogs.h"
#include "toolkit/translations.h"
#include "toolkit/urlopener.h"
#include "toolkit/x11keyboard.h"
#include "window/form1.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <cstdio>
#include <optional>

namespace {

// The game's own options; QApplication takes Qt's (-platform, -style, -reverse, ...) itself.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    QCommandLineParser parser;
    const QCommandLineOption port{
        QStringLiteral("port"),
        tr("TCP port for network games, to listen on and to connect to, with no fallback "
           "(default %1, or %2 where %1 is reserved).")
            .arg(tavelin::NetworkSettings::defaultPort)
            .arg(tavelin::NetworkSettings::unprivilegedPort),
        tr("N", "the value of --port")};

    CommandLine() {
        parser.setApplicationDescription(
            tr("Four in a row against the computer, a friend at the same machine, or over the "
               "network."));
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOption(port);
    }
};

// --help and --version are answered before any window system is touched, so that they work
// anywhere; both end the program. Options that only QApplication knows are passed over here.
void answerHelpOrVersion(int argc, char* argv[]) {
    const QCoreApplication parsing(argc, argv);
    const tavelin::Translations translations{QLocale().uiLanguages()};
    CommandLine line;
    line.parser.parse(QCoreApplication::arguments());
    if (line.parser.isSet(QStringLiteral("help"))) {
        line.parser.showHelp();
    }
    if (line.parser.isSet(QStringLiteral("version"))) {
        line.parser.showVersion();
    }
}

// What is left once QApplication has taken its own options: an unknown option ends the
// program here. Nothing when the port given is no port.
std::optional<tavelin::NetworkSettings> networkFromCommandLine() {
    CommandLine line;
    line.parser.process(QCoreApplication::arguments());
    if (!line.parser.isSet(line.port)) {
        return tavelin::NetworkSettings{};
    }
    bool valid = false;
    const uint port = line.parser.value(line.port).toUInt(&valid);
    if (!valid || port == 0 || port > 65535) {
        std::fprintf(stderr, "tavelin: %s\n",
                     qPrintable(CommandLine::tr("--port takes a number from 1 to 65535")));
        return std::nullopt;
    }
    return tavelin::NetworkSettings{static_cast<quint16>(port), std::nullopt};
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("tavelin"));
    QCoreApplication::setApplicationVersion(tavelin::project::version);
    answerHelpOrVersion(argc, argv);
    QApplication app(argc, argv);
    tavelin::askForDetectableAutoRepeat();
    const tavelin::Translations translations{QLocale().uiLanguages()};
    const std::optional<tavelin::NetworkSettings> network = networkFromCommandLine();
    if (!network) {
        return 2;
    }
    QGuiApplication::setDesktopFileName(tavelin::project::applicationId);
    QApplication::setWindowIcon(QIcon(tavelin::Picture::render(
        QStringLiteral(":/artwork/tavelin.svg"), {256, 256}, app.devicePixelRatio())));

    const tavelin::CloseOnSignal closeOnSignal;
    tavelin::QtDialogs dialogs;
    tavelin::ClockRandom random;
    tavelin::DesktopUrlOpener urls;
    tavelin::PosixSocketLibrary sockets;
#ifdef Q_OS_LINUX
    tavelin::AvahiDiscovery discovery;
#else
    tavelin::NoDiscovery discovery;
#endif
    tavelin::Form1 window(tavelin::Platform{dialogs, random, urls, sockets, discovery, *network});
    dialogs.setOwner(&window);
    window.show();
    return QApplication::exec();
}
