// SPDX-License-Identifier: GPL-3.0-or-later
// The drop, the win check and the computer opponent, on the real window's picture controls,
// checked against a four-in-a-row search of the test's own over many random games.
#include "support/paintedboard.h"
#include "support/testplatform.h"
#include "toolkit/clockrandom.h"
#include "toolkit/menuitemarray.h"
#include "window/narrator.h"

#include <QCoreApplication>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <random>

using namespace tavelin;
using namespace tavelin::test;

namespace {
// The cells of every line of four on the board (those of crossing lines more than once).
Cells lineCells(const QString& cells) {
    QString rows; // a separator after each row, so that no line wraps round
    for (int row = 0; row < 6; ++row) {
        rows += cells.mid(row * 7, 7) + '|';
    }
    const auto at = [&](qsizetype index) { return index < rows.size() ? rows.at(index) : '|'; };
    Cells found;
    for (int i = 0; i < rows.size(); ++i) {
        for (const int step : {1, 7, 8, 9}) { // along a row, falling, up a column, rising
            const QChar piece = rows.at(i);
            if (piece != '.' && piece != '|' && at(i + step) == piece &&
                at(i + 2 * step) == piece && at(i + 3 * step) == piece) {
                for (int k = 0; k < 4; ++k) {
                    const int cell = (i + k * step) / 8 * 7 + (i + k * step) % 8;
                    found.append(cell);
                }
            }
        }
    }
    return found;
}

// Each line of four drawn through, or else the last piece placed marked.
QString marksExpected(const QString& cells, int last) {
    QString marks(42, '.');
    for (const int cell : lineCells(cells)) {
        marks[cell] = 'W';
    }
    return marks.contains('W') ? marks : marks.replace(last, 1, 'L');
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

// The column a piece dropped into `column` goes to: it, or the next open one to its right, round
// the board's edge. The board has an open column.
int openFrom(const QString& cells, int column) {
    return landingCell(cells, column) >= 0 ? column : openFrom(cells, (column + 1) % 7);
}

// The cells where `piece` would complete a line with its next move.
Cells winningCells(const QString& cells, QChar piece) {
    Cells wins;
    for (int column = 0; column < 7; ++column) {
        QString after = cells;
        const int cell = landingCell(cells, column);
        if (cell >= 0 && !lineCells(after.replace(cell, 1, piece)).isEmpty()) {
            wins.append(cell);
        }
    }
    return wins;
}
} // namespace

class TestRules : public QObject {
    Q_OBJECT

    std::unique_ptr<TestGame> game;
    Form1* form = nullptr;
    std::mt19937 engine{20261207};

    // What a screen reader was told last, once the game is back in the event loop.
    QString heard() const {
        QCoreApplication::sendPostedEvents();
        return form->findChild<Notice*>()->accessibleName();
    }

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

    // Random games against the computer, the first as the window opens, ready for one player,
    // then between two players. Every click adds a piece of the mover's colour on top of its
    // column, and against the computer one Blue reply where it would fall: after the opening it
    // wins whenever it can, else it blocks whenever Red threatens to win, else it plays the column
    // drawn or passes it on to the right. A column closes exactly when it fills, a win is told
    // exactly when there is a line of four, every such line is drawn through (else the piece is
    // marked as the last), the board painted is the board held, and a screen reader hears the move
    // with the column it fills and the four it makes. Between two players the winner's colour stays
    // on the pointer to open the next game. Once a game is over, clicks play nothing. The first
    // game between two players is a draw, and heard as one. Each game starts on an empty board,
    // painted so, its mode checked in the menu.
    void randomGames() {
        const QString drawn = "020000101111414222232333343644545556666565";
        // Red to move, in play, the pointer red: the first game's first click shows them.
        QVERIFY(form->FirstComputerMove == True && form->ComputerTurn == False);
        for (int played = 0; played < 600; ++played) {
            const bool alone = played < 300; // against the computer
            if (played > 0) {                // as the player chooses: check marks too
                form->mnusubGame().trigger(played == 300 ? mnuTwoPlayers : mnuNew);
            }
            const QString empty(42, '.');
            QCOMPARE(menuState(*form) + ' ' + paintedBoard(*form),
                     (alone ? "0 3* 4 7 8 9- " : "0 3 4* 7 8 9- ") + empty + ' ' + empty + ' ' +
                         heldArrows(*form));
            int move = 0;
            const auto nextMarker = [&] {
                return played == 300 && move < 42 ? 42 + drawn.at(move++).digitValue()
                                                  : randomOpenMarker();
            };
            for (int marker = nextMarker(); marker >= 0; marker = nextMarker()) {
                const bool red = form->pointerShowsRed(), opening = form->FirstComputerMove == True;
                QString expected = boardText(*form);
                const int landing = landingCell(expected, marker - 42);
                expected[landing] = red ? 'R' : 'B';
                const float random = float(engine() % 100) / 100.0F;
                game->random.values = {random};
                game->dialogs.texts.clear();
                form->Image1_Click(marker);
                const QString after = boardText(*form);
                const Cells reply = changedCells(expected, after);
                const bool won = !lineCells(expected).isEmpty(),
                           lost = !won && !lineCells(after).isEmpty();
                QCOMPARE(reply.size(), alone && !won ? 1 : 0);
                const int last = reply.isEmpty() ? landing : reply.first();
                QCOMPARE(paintedBoard(*form),
                         after + ' ' + marksExpected(after, last) + ' ' + heldArrows(*form));
                const char* result = alone ? "You Win" : red ? "Red Win" : "Blue Win";
                QCOMPARE(game->dialogs.texts.value(0), won ? result : lost ? "You Lose" : "");
                QCOMPARE(form->pointerShowsRed(), alone || won == red);
                QCOMPARE(form->markerVisible(42 + last % 7), last < 35 && !won && !lost);
                const QString column = QString::number(marker - 41), told = heard();
                QVERIFY2(told.startsWith(QString("%1, column %2, row %3.")
                                             .arg(red ? "Red" : "Blue", column)
                                             .arg(landing / 7 + 1)) &&
                             told.contains("Column " + column + " is full.") ==
                                 (after.at(landing % 7 + 35) != '.') &&
                             told.contains("Four in a row: column") == (won || lost),
                         qPrintable(told));
                if (alone && !won) {
                    const Cells wins = winningCells(expected, 'B');
                    const Cells wanted = wins.isEmpty() ? winningCells(expected, 'R') : wins;
                    // With nothing to win or block, the column drawn, or the next open one right.
                    const int column = openFrom(expected, int(std::floor(double(random) * 7)));
                    QVERIFY2(after.at(last) == 'B' && last == landingCell(expected, last % 7) &&
                                 (opening ||
                                  (wanted.isEmpty() ? last % 7 == column : wanted.contains(last))),
                             qPrintable(expected));
                }
            }
            const QString over = boardText(*form);
            form->Image1_Click(45);
            QVERIFY(boardText(*form) == over &&
                    (played != 300 || heard().endsWith("The board is full: a draw.")));
        }
    }
    // With no rule to play, the computer's column is drawn from the game's own random sequence,
    // each column alike, a full one passing its draws on to the next open column to the right:
    // over positions with full columns, a chi-square bound that a correct draw exceeds about
    // once in 10^11 runs (the positions are seeded, the game's sequence is not).
    void randomRepliesSpreadOverOpenColumns() {
        ClockRandom sequence;
        Form1 real({game->dialogs, sequence, game->urls, game->sockets, game->discovery, {}});
        real.FirstComputerMove = False;
        real.ComputerTurn = True;
        double chiSquare = 0;
        int freedom = 0;
        while (freedom < 150) {
            // Columns of random heights, a third of them full; every line of four holds two
            // pieces of each colour at most, so that no rule has anything to play.
            QString cells(42, '.');
            for (int column = 0; column < 7; ++column) {
                const int height = engine() % 3 == 0 ? 6 : int(engine() % 6);
                for (int row = 0; row < height; ++row) {
                    cells[row * 7 + column] = (row / 2 + column) % 2 == 0 ? 'R' : 'B';
                }
            }
            if (!cells.mid(35).contains('.')) {
                continue; // no move to make
            }
            QList<int> landed(7);
            const int draws = 140;
            for (int draw = 0; draw < draws; ++draw) {
                setBoard(real, cells);
                real.RedTurn = False;
                real.TryWinStraight();
                // That it lands on top of an open column, randomGames sees.
                const Cells placed = changedCells(cells, boardText(real));
                QCOMPARE(placed.size(), 1);
                ++landed[placed.first() % 7];
            }
            QList<double> expected(7); // its own draws, and those of the full columns to its left
            for (int drawn = 0; drawn < 7; ++drawn) {
                expected[openFrom(cells, drawn)] += draws / 7.0;
            }
            for (int column = 0; column < 7; ++column) {
                const double share = expected.at(column);
                chiSquare += share == 0 ? 0 : std::pow(landed.at(column) - share, 2) / share;
                freedom += share == 0 ? 0 : 1;
            }
            --freedom;
        }
        QVERIFY2(chiSquare < 2 * freedom, qPrintable(QString::number(chiSquare)));
    }

    // Which of two wins is played, the random move never passes the last column, and where the
    // first reply goes. What is not a piece is no piece. (That no line wraps round the board's
    // edge, the random games see.)
    void replies() {
        const QList<std::tuple<QString, float, int>> cases{
            {"RR.R...RRRR...BBB....B......B", 0, 17}, // a row win before a column's
            {".......B.B.....B.B.....BRB", 0, 1},     // of two rising wins, the lower one
            {"......R......R......R......R......R......R", std::nextafter(1.0F, 0.0F), 0},
            // The first reply: beside Red's piece in the middle, right for draws 0 to 50 of 100.
            {"...R", 0.505F, 4},
            {"...R", 0.515F, 2},
            {"R", 0.99F, 3}};
        for (const auto& [board, random, played] : cases) {
            form->NewGame();
            setBoard(*form, board);
            const QString before = boardText(*form);
            form->FirstComputerMove = toBool16(board.count('R') == 1 && !board.contains('B'));
            form->RedTurn = False;
            form->ComputerTurn = True;
            game->random.values = {random};
            form->TryWinStraight();
            QCOMPARE(changedCells(before, boardText(*form)), Cells{played});
        }
        form->Image1(0).setPicture(Picture::fromPixmap(form->R.pixmap())); // a copy of Red's
        QVERIFY(!form->cellHolds(0, CellContent::Red) && !form->cellHolds(0, CellContent::Empty));
    }
};

QTEST_MAIN(TestRules)
#include "tst_rules.moc"
