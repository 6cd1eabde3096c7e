// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/peerconnection.h"
#include "net/tcpsocketcontrol.h"
#include "rules/linewindows.h"
#include "toolkit/dialogs.h"
#include "toolkit/heldkeys.h"
#include "toolkit/picture.h"
#include "toolkit/picturebox.h"
#include "window/board.h"
#include "window/bool16.h"
#include "window/gamemenu.h"
#include "window/platform.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>
#include <span>

namespace tavelin {

class BoardMarks;
class CellTable;
class FormLayout;
class FormSurface;
class Label;
class MarkerRow;
class MenuItemArray;
class Narrator;
class PieceFalls;
struct Rule;

// The main window, and the game itself: the board is nothing but the pictures its 49 picture
// controls show, the mode of play is the checked Game-menu item, and the handlers below read
// and write these directly. The game's routines and fields keep the game's mixed-case names; Qt
// plumbing uses Qt's.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(const Platform& platform);
    ~Form1() override;

    // Board operations: the only way the rules and the computer read or change the board.
    // A handle comparison, nothing more: the win check and the computer read cells a lot.
    bool cellHolds(int cell, CellContent content) const {
        return image1_[static_cast<std::size_t>(cell)]->picture().handle() ==
               picture(content).handle();
    }
    void setCell(int cell, CellContent content);
    bool markerVisible(int marker) const;
    void hideMarker(int marker);
    void showMarker(int marker);
    void highlightMarker(int marker);
    void makeMarkerPlain(int marker);
    // Whether the control shows one of the two marker looks: only markers ever do.
    bool showsMarkerPicture(int index) const;
    bool markerHighlighted(int marker) const;
    bool pointerShowsRed() const;
    // Marks drawn over the cells: the piece placed last, and a line of four from its first cell
    // to its last. Each is drawn once the pieces played so far have fallen into place.
    void markLastPiece(int cell);
    void markWinningLine(int firstCell, int lastCell);
    // No marks, and no piece still falling: the board starts over.
    void clearMarks();

    // The window's mouse pointer: always the custom one, showing this picture.
    void setMouseIcon(const Picture& picture);

    // New game and the Game menu.
    void Form_Load();
    void NewGame();
    void mnusubGame_Click(int Index);
    PlayMode checkedMode() const;

    // The player's move, by mouse or keyboard.
    void Image1_Click(int Index);
    bool Form_KeyDown(int KeyCode); // true when the key means something to the game

    // Network play: the host-name look-ups, the session and its messages.
    static int Hibyte(std::int16_t wParam);
    static int Lobyte(std::int16_t wParam);
    Bool16 SocketsInitialize();
    void SocketsCeanup();
    QString GetIPHostName();
    void GetIPAddress();
    void Form_Unload();
    // Accepting and greeting belong to the connection: these two run even while a box is up.
    void wsListen_ConnectionRequest(int requestID);
    void wsClient_Connect();
    // The game's reactions to the peer, each once the running handler, or box, is done.
    void TakeGreeting(const QString& text);
    void wsServer_DataArrival(const QString& message);
    void wsClient_DataArrival(const QString& message);
    // One message "42" to "50" from the peer: a move, a new game, or the peer leaving.
    void HandleReceivedText(const QString& text);

    // The About box.
    void mnuAbout_Click();

    // Column hover.
    void Image1_MouseMove(int Index);
    void Form_MouseMove();

    // Rules. Every piece played goes on the board through PlacePiece; setCell alone only sets
    // up a board.
    void PlacePiece(int cell, CellContent colour);
    void DropPiece(int markerIndex);
    Bool16 YouWin();
    QList<LineWindow> WinningLines() const;
    bool AnyColumnOpen() const;

    // The computer opponent, a chain of stages entered through the first.
    void TryWinStraight();
    void TryWinDiagonal();
    void BlockRedStraight();
    void BlockRedDiagonal();

    // Controls, for the handlers and for tests that drive the window as a user would.
    PictureBox& Image1(int index) const { return *image1_.at(static_cast<std::size_t>(index)); }
    MenuItemArray& mnusubGame() const { return *mnusubGame_; }
    Label& Label1() const { return *label1_; }
    Label& Label2() const { return *label2_; }
    TcpSocketControl wsListen;
    PeerConnection wsServer;
    PeerConnection wsClient;

    // Reference pictures: what a cell holds and what a marker looks like are told by these.
    const Picture PicEmpty;
    const Picture R;
    const Picture B;
    const Picture NextPic;
    const Picture UnNext;
    const Picture imgRico;
    const Picture imgBico;

    // Game state shared by all handlers.
    Bool16 RedTurn = False;
    Bool16 GameActive = False;
    Bool16 ComputerTurn = False;
    Bool16 FirstComputerMove = False;
    Bool16 AwaitingGreeting = False;
    QString MoveText;
    QString LocalHostName;
    int RequestID = 0;
    QString ReceivedText;
    QString RemoteAddress;

private:
    static constexpr int noMarker = -1;

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    void buildBoard(const FormLayout& layout);
    void buildLabels(const FormLayout& layout);
    void buildMenu();
    void ChooseNormalMode(int Index);
    void ShowHover(int highlighted);
    void PlayAgainstComputer(int Index);
    void PlayTwoPlayerMove(int Index);
    void PlayNetworkMove(int Index);
    bool IsHost() const { return checkedMode() == PlayMode::WaitingForConnection; }
    void connectSockets();
    void CheckSessionMode(int sessionItem);
    void WaitForConnection();
    void ListenOn(quint16 port);
    void ReportListenRefusal(const SocketLibrary::ListenRefusal& refusal);
    void AdvertiseGame();
    void ShowAddress();
    void TakeIPAddress(std::optional<QByteArray> address);
    void ConnectToOpponent();
    void Disconnect();
    void CloseSockets();
    void ReportSessionFailure(const QString& text);
    void ReportConnectFailure(const QString& reason);
    void LoseConnection(PeerConnection::Ending ending, const QString& reason);
    QString Greeting() const;
    QString GreetingName() const;
    std::optional<QByteArray> OpenSessionForHostName();
    void PlayColumnByKey(int marker);
    int KeyboardColumn() const;
    void ShowKeyboardColumn();
    void MoveAlongRow(int step);
    void MoveThroughColumn(int rows);
    void MoveToOpenColumn(int step);
    void FocusMarker(int marker);
    void FocusCell(int cell);
    // Every message box of the game: a screen reader hears what led to it before the box.
    void ShowMessage(const QString& text, Dialogs::Style style = Dialogs::Style::Plain,
                     const QString& title = {});
    // A game's result, told after the moves that led to it.
    void ShowResult(const QString& text);
    // The screen lets a piece just played fall into its cell.
    void ShowFall(int cell, CellContent colour);
    // The session's status line, which a screen reader is told as it changes.
    void SetStatus(const QString& text);
    void PlayOpeningMove();
    bool RuleMatches(Rule rule, CellContent colour) const;
    bool PlayFirstRule(std::span<const Rule> rules, CellContent colour);
    int DrawRandomMarker();
    // Sends through the connection of the network mode in force, if any.
    void SendToPeer(const QString& text);
    void SayFarewell();
    PeerConnection* PeerSocket();
    const Picture& picture(CellContent content) const {
        return content == CellContent::Red ? R : content == CellContent::Blue ? B : PicEmpty;
    }

    Platform platform_;
    FormSurface* surface_ = nullptr;
    CellTable* cellTable_ = nullptr;   // holds the cells: the board as assistive technology sees it
    BoardMarks* boardMarks_ = nullptr; // over the cells
    PieceFalls* pieceFalls_ = nullptr; // over the cells, their marks and the markers
    MarkerRow* markerRow_ = nullptr;   // holds the markers
    std::unique_ptr<Narrator> narrator_; // what a screen reader says of each move
    std::array<PictureBox*, board::elementCount> image1_{};
    MenuItemArray* mnusubGame_ = nullptr;
    Label* label1_ = nullptr;
    Label* label2_ = nullptr;
    Picture mouseIcon_;
    HeldKeys heldKeys_{this};
    QString shownAddress_;   // the host's own address, as the guest is to type it
    int addressLookups_ = 0; // the latest look-up of it; earlier answers are dropped
    quint16 listenPort_ = 0;
    QString connectHost_;              // the guest's peer, as typed
    bool connectFallbackLeft_ = false; // the guest may still try the fallback port
    bool peerMovedLast_ = false;       // the peer's move came after this side's last one
    bool farewellSaid_ = false;        // "50" has gone to the peer in this session
};

} // namespace tavelin
