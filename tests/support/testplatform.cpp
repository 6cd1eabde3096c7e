// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/testplatform.h"

#include "toolkit/menuitemarray.h"

namespace tavelin::test {

void RecordingDialogs::msgBox(const QString& text, Style style, const QString& title) {
    shown.append({text, style, title});
    if (whileShown) {
        whileShown();
    }
}

QString RecordingDialogs::inputBox(const QString& prompt, const QString& defaultText) {
    prompts.append(prompt);
    if (answers.empty()) {
        return defaultText;
    }
    QString answer = answers.front();
    answers.pop_front();
    return answer;
}

QStringList RecordingDialogs::texts() const {
    QStringList result;
    for (const ShownMessage& message : shown) {
        result.append(message.text);
    }
    return result;
}

float ScriptedRandom::next() {
    ++drawn;
    if (values.empty()) {
        return 0.0F;
    }
    const float value = values.front();
    values.pop_front();
    return value;
}

TestGame::TestGame(quint16 port, std::optional<quint16> fallbackPort)
    : form(
          std::make_unique<Form1>(Platform{dialogs, random, urls, sockets, {port, fallbackPort}})) {
}

std::optional<SocketLibrary::ListenRefusal> FakeSocketLibrary::listen(QTcpServer& server,
                                                                      quint16 port) {
    listenedOn.append(port);
    if (privilegedPorts.contains(port)) {
        return ListenRefusal{true, QStringLiteral("Permission denied")};
    }
    return system_.listen(server, port);
}

int FakeSocketLibrary::startup(std::int16_t /*requestedVersion*/, StartupInfo& info) {
    info = offered;
    sessionsOpen += startupResult == 0 ? 1 : 0;
    return startupResult;
}

int FakeSocketLibrary::cleanup() {
    sessionsOpen -= cleanupResult == 0 ? 1 : 0;
    return cleanupResult;
}

int FakeSocketLibrary::hostName(char* buffer, int length) {
    if (!name) {
        return -1;
    }
    qstrncpy(buffer, name->constData(), static_cast<std::size_t>(length));
    return 0;
}

std::optional<QByteArray> FakeSocketLibrary::firstAddress(const QByteArray& hostName) {
    lookedUp = hostName;
    return address;
}

void setBoard(Form1& form, const QString& cells) {
    for (int cell = 0; cell < board::cellCount; ++cell) {
        const QChar piece = cell < cells.size() ? cells.at(cell) : QChar('.');
        form.setCell(cell, piece == 'R'   ? CellContent::Red
                           : piece == 'B' ? CellContent::Blue
                                          : CellContent::Empty);
    }
    for (int column = 0; column < board::columns; ++column) {
        const int marker = board::markerOfColumn(column);
        if (form.cellHolds(board::topRowStart + column, CellContent::Empty)) {
            form.showMarker(marker);
        } else {
            form.hideMarker(marker);
        }
    }
}

QString boardText(const Form1& form) {
    QString text;
    for (int cell = 0; cell < board::cellCount; ++cell) {
        text += form.cellHolds(cell, CellContent::Red)    ? 'R'
                : form.cellHolds(cell, CellContent::Blue) ? 'B'
                                                          : '.';
    }
    return text;
}

QRect placeInForm(const Form1& form, const QWidget& control) {
    return {control.mapTo(form.centralWidget(), QPoint(0, 0)), control.size()};
}

QList<int> checkedItems(const Form1& form) {
    QList<int> items;
    for (int index = 0; index < form.mnusubGame().count(); ++index) {
        if (form.mnusubGame().checked(index)) {
            items.append(index);
        }
    }
    return items;
}

QList<int> disabledCommands(const Form1& form) {
    QList<int> items;
    for (const int index : {mnuNew, mnuOnePlayer, mnuTwoPlayers, mnuWaitForConnection,
                            mnuConnectToOpponent, mnuDisconnect}) {
        if (!form.mnusubGame().enabled(index)) {
            items.append(index);
        }
    }
    return items;
}

void setCells(Form1& form, const QList<int>& cells, CellContent colour) {
    for (const int cell : cells) {
        form.setCell(cell, colour);
    }
}

} // namespace tavelin::test
