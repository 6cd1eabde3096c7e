// SPDX-License-Identifier: GPL-3.0-or-later
// The drop, the win check and the computer opponent, on the real window's picture controls,
// checked against a four-in-a-row search of the test's own over many random games.
#include "support/testplatform.h"
#include "toolkit/menuitemarray.h"
#include "toolkit/picturebox.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <random>

using namespace tavelin;
using namespace tavelin::test;

using Cells = QList<int>;

namespace {
bool fourInALine(const QString& cells) {
    QString rows; // a separator after each row, so that no line wraps round
    for (int row = 0; row < 6; ++row) {
        rows += cells.mid(row * 7, 7) + '|';
    }
    const auto at = [&](qsizetype index) { return index < rows.size() ? rows.at(index) : '|'; };
    for (qsizetype i = 0; i < rows.size(); ++i) {
        for (const int step : {1, 7, 8, 9}) { // along a row, falling, up a column, rising
            const QChar piece = rows.at(i);
            if (piece != '.' && piece != '|' && at(i + step) == piece &&
                at(i + 2 * step) == piece && at(i + 3 * step) == piece) {
                return true;
            }
        }
    }
    return false;
}

// Where a piece dropped into the column would come to rest, or -1 when the column is full.
int landingCell(const QString& cells, int column) {
    for (int cell = column; cell < 42; cell += 7) {
        if (cells.at(cell) == '.') {
            return cell;
        }
    }
    return -1;
}

// The cells where `piece` would complete a line with its next move.
Cells winningCells(const QString& cells, QChar piece) {
    Cells wins;
    for (int column = 0; column < 7; ++column) {
        QString after = cells;
        const int cell = landingCell(cells, column);
        if (cell >= 0 && fourInALine(after.replace(cell, 1, piece))) {
            wins.append(cell);
        }
    }
    return wins;
}

Cells changedCells(const QString& before, const QString& after) {
    Cells changed;
    for (int cell = 0; cell < 42; ++cell) {
        if (before.at(cell) != after.at(cell)) {
            changed.append(cell);
        }
    }
    return changed;
}
} // namespace

class TestRules : public QObject {
    Q_OBJECT

    std::unique_ptr<TestGame> game;
    Form1* form = nullptr;
    std::mt19937 engine{20261207};

    int randomOpenMarker() {
        Cells open;
        std::copy_if(board::markers.begin(), board::markers.end(), std::back_inserter(open),
                     [&](int marker) { return form->markerVisible(marker); });
        return open.isEmpty() ? -1 : open.at(int(engine() % open.size()));
    }

private slots:
    void init() {
        game = std::make_unique<TestGame>();
        form = game->form.get();
    }

    // Every click adds one piece of the mover's colour on top of its column, a column closes
    // exactly when it fills, a win is told exactly when there is a line of four, and the
    // winner's colour stays on the pointer to open the next game. The first game is a draw.
    void randomTwoPlayerGames() {
        const QString drawn = "020000101111414222232333343644545556666565";
        form->mnusubGame_Click(mnuTwoPlayers);
        for (int played = 0; played < 300; ++played) {
            form->mnusubGame_Click(mnuNew);
            int move = 0;
            const auto nextMarker = [&] {
                return played == 0 && move < 42 ? 42 + drawn.at(move++).digitValue()
                                                : randomOpenMarker();
            };
            for (int marker = nextMarker(); marker >= 0; marker = nextMarker()) {
                const bool red = form->pointerShowsRed();
                QString expected = boardText(*form);
                expected[landingCell(expected, marker - 42)] = red ? 'R' : 'B';
                game->dialogs.texts.clear();
                form->Image1_Click(marker);
                QCOMPARE(boardText(*form), expected);
                const bool won = fourInALine(expected);
                QCOMPARE(game->dialogs.texts.value(0), won ? red ? "Red Win" : "Blue Win" : "");
                QCOMPARE(form->pointerShowsRed(), won == red);
                QCOMPARE(form->markerVisible(marker),
                         !won && landingCell(expected, marker - 42) >= 0);
            }
        }
    }
    // Every reply adds one Blue piece where it would fall; after the opening it wins whenever
    // it can, else it blocks whenever Red threatens to win. Once the game is over, clicks play
    // nothing.
    void randomOnePlayerGames() {
        for (int played = 0; played < 300; ++played) {
            form->mnusubGame_Click(mnuNew);
            for (int marker = randomOpenMarker(); marker >= 0; marker = randomOpenMarker()) {
                QString afterRed = boardText(*form);
                afterRed[landingCell(afterRed, marker - 42)] = 'R';
                const bool opening = form->FirstComputerMove == True;
                game->random.values = {float(engine() % 100) / 100.0F};
                game->dialogs.texts.clear();
                form->Image1_Click(marker);
                const QString after = boardText(*form);
                const Cells blue = changedCells(afterRed, after);
                const bool redWon = fourInALine(afterRed);
                QCOMPARE(game->dialogs.texts.value(0), redWon               ? "You Win"
                                                       : fourInALine(after) ? "You Lose"
                                                                            : "");
                QCOMPARE(blue.size(), redWon ? 0 : 1);
                if (redWon) {
                    continue;
                }
                const int cell = blue.first();
                QVERIFY(after.at(cell) == 'B' && cell == landingCell(afterRed, cell % 7));
                QCOMPARE(form->markerVisible(42 + cell % 7), cell < 35 && !fourInALine(after));
                const Cells wins = winningCells(afterRed, 'B');
                const Cells wanted = wins.isEmpty() ? winningCells(afterRed, 'R') : wins;
                QVERIFY2(opening || wanted.isEmpty() || wanted.contains(cell),
                         qPrintable(afterRed));
            }
            const QString over = boardText(*form);
            form->Image1_Click(45);
            QCOMPARE(boardText(*form), over);
        }
    }
    // Drops no click makes: hidden markers pass the piece on to the right, out-of-range
    // indexes place nothing, and a received move lands even when the game is over. What is not
    // a piece is no piece.
    void unusualDrops() {
        const QList<std::tuple<Cells, int, int, Bool16, Bool16>> cases{
            {{}, 43, 1, Bool16{1}, True}, // Blue for any value but True
            {{44}, 44, 3, True, True},
            {{48}, 48, 0, True, True},
            {{47, 48, 42}, 47, 1, True, True},
            {{}, 45, 3, True, False},
            {{}, 41, -1, True, True},
            {{}, 49, -1, True, True},
            {{42, 43, 44, 45, 46, 47, 48}, 45, -1, True, True}};
        for (const auto& [hidden, marker, landsIn, redTurn, gameActive] : cases) {
            setBoard(*form, {});
            for (const int closed : hidden) {
                form->hideMarker(closed);
            }
            form->RedTurn = redTurn;
            form->GameActive = gameActive;
            form->DropPiece(marker);
            QString expected(42, '.');
            if (landsIn >= 0) {
                expected[landsIn] = redTurn == True ? 'R' : 'B';
            }
            QCOMPARE(boardText(*form), expected);
        }
        form->Image1(0).setPicture(Picture::fromPixmap(form->R.pixmap())); // a copy of Red's
        QVERIFY(!form->cellHolds(0, CellContent::Red) && !form->cellHolds(0, CellContent::Empty));
    }

    // Which of two wins is played, no line wraps round the board's edge, and the random
    // move never passes the last column.
    void replies() {
        const QList<std::tuple<QString, float, int>> cases{
            {"RR.R...RRRR...BBB....B......B", 0, 17}, // a row win before a column's
            {".......B.B.....B.B.....BRB", 0, 1},     // of two rising wins, the lower one
            {".....RRR", 0.99F, 13},                  // 5-6-7-8 is no row
            {"......R......R......R......R......R......R", std::nextafter(1.0F, 0.0F), 0}};
        for (const auto& [board, random, played] : cases) {
            form->NewGame();
            setBoard(*form, board);
            const QString before = boardText(*form);
            form->FirstComputerMove = False; // as Red's click leaves it for a second reply
            form->RedTurn = False;
            form->ComputerTurn = True;
            game->random.values = {random};
            form->TryWinStraight();
            QCOMPARE(changedCells(before, boardText(*form)), Cells{played});
        }
    }
    // Against Red in the middle, the computer's first move goes beside it, either way.
    void openingMoveSplitsTheHundredDraws() {
        QString landed;
        for (int draw = 0; draw < 100; ++draw) {
            form->NewGame();
            form->setCell(3, CellContent::Red);
            game->random.values = {(static_cast<float>(draw) + 0.5F) / 100.0F};
            form->TryWinStraight();
            landed += QString::number(boardText(*form).left(7).indexOf('B'));
        }
        QCOMPARE(landed, QString(51, '4') + QString(49, '2')); // draws 0..50 go right
    }
};

QTEST_MAIN(TestRules)
#include "tst_rules.moc"
