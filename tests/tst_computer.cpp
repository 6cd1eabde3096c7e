// SPDX-License-Identifier: GPL-3.0-or-later
// The computer opponent: its rule lists, their order, the opening and the random move.
#include "ai/rules.h"
#include "support/playout.h"
#include "support/testplatform.h"

#include <QTest>

#include <cmath>

using namespace tavelin;
using namespace tavelin::test;

using Cells = QList<int>;

namespace {
enum Stage { WinStraight = 1, WinDiagonal, BlockStraight, BlockDiagonal };

std::span<const Rule> rulesOf(int stage) {
    return stage == WinStraight || stage == BlockStraight ? std::span<const Rule>(rules::straight)
                                                          : std::span<const Rule>(rules::diagonal);
}

void runStage(Form1& form, int stage) {
    switch (stage) {
    case WinStraight:
        return form.TryWinStraight();
    case WinDiagonal:
        return form.TryWinDiagonal();
    case BlockStraight:
        return form.BlockRedStraight();
    default:
        return form.BlockRedDiagonal();
    }
}
} // namespace

class TestComputer : public QObject {
    Q_OBJECT

    std::unique_ptr<TestGame> game;
    Form1* form = nullptr;

    // The position as the player's click leaves it for the computer's second or later move.
    void computerToMove(const Cells& red, const Cells& blue) {
        form->NewGame();
        setCells(*form, red, CellContent::Red);
        setCells(*form, blue, CellContent::Blue);
        form->FirstComputerMove = False;
        form->RedTurn = False;
        form->ComputerTurn = True;
    }
    Cells newBlueCells(const QString& before) const {
        Cells added;
        const QString after = boardText(*form);
        for (int cell = 0; cell < board::cellCount; ++cell) {
            if (after.at(cell) != before.at(cell)) {
                added.append(cell);
            }
        }
        return added;
    }

private slots:
    void init() {
        game = std::make_unique<TestGame>();
        form = game->form.get();
    }

    void tellingRows_data() {
        QTest::addColumn<int>("stage");
        QTest::addColumn<int>("rule");
        QTest::addColumn<Cells>("pattern"); // cells of the stage's colour
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("support");   // -1: none
        QTest::addColumn<Cells>("blocked"); // occupied too, so that this rule is the first match

        const auto row = [](int stage, int rule, Cells pattern, int target, int support,
                            Cells blocked = {}) {
            QTest::addRow("stage %d rule %d", stage, rule)
                << stage << rule << pattern << target << support << blocked;
        };
        for (const int stage : {WinStraight, BlockStraight}) {
            row(stage, 1, {1, 2, 3}, 0, -1);
            row(stage, 4, {0, 1, 2}, 3, -1);
            row(stage, 17, {8, 9, 10}, 7, 0);
            row(stage, 81, {36, 37, 38}, 35, 28);
            row(stage, 96, {38, 39, 40}, 41, 34);
            row(stage, 97, {0, 7, 14}, 21, -1);
            row(stage, 99, {14, 21, 28}, 35, -1);
            row(stage, 117, {20, 27, 34}, 41, -1);
        }
        row(BlockStraight, 3, {0, 1, 3}, 2, -1);
        row(BlockStraight, 8, {1, 2, 3}, 4, -1, {0});
        row(BlockStraight, 98, {7, 14, 21}, 28, -1);
        for (const int stage : {WinDiagonal, BlockDiagonal}) {
            row(stage, 1, {8, 16, 24}, 0, -1);
            row(stage, 2, {0, 16, 24}, 8, 1);
            row(stage, 4, {0, 8, 16}, 24, 17);
            row(stage, 48, {17, 25, 33}, 41, 34);
            row(stage, 49, {9, 15, 21}, 3, -1);
            row(stage, 96, {20, 26, 32}, 38, 31);
        }
        row(WinDiagonal, 50, {3, 15, 21}, 9, 2);
        row(WinDiagonal, 61, {12, 18, 24}, 6, -1);
        row(BlockDiagonal, 17, {15, 23, 31}, 7, 0);
        row(BlockDiagonal, 36, {14, 22, 30}, 38, 31);
        row(BlockDiagonal, 52, {3, 9, 15}, 21, 14);
        row(BlockDiagonal, 84, {17, 23, 29}, 35, 28);
    }
    void tellingRows() {
        QFETCH(int, stage);
        QFETCH(int, rule);
        QFETCH(Cells, pattern);
        QFETCH(int, target);
        QFETCH(int, support);
        QFETCH(Cells, blocked);

        const Rule& listed = rulesOf(stage)[static_cast<std::size_t>(rule - 1)];
        QCOMPARE(int{listed.target}, target);
        QCOMPARE(int{listed.support}, support);
        Cells others(listed.others.begin(), listed.others.end());
        std::sort(others.begin(), others.end());
        QCOMPARE(others, pattern);

        // On the board: the pattern, its support held up by the other colour, and nothing else.
        const bool blocking = stage == BlockStraight || stage == BlockDiagonal;
        const CellContent colour = blocking ? CellContent::Red : CellContent::Blue;
        const CellContent other = blocking ? CellContent::Blue : CellContent::Red;
        computerToMove({}, {});
        setCells(*form, pattern, colour);
        setCells(*form, blocked, other);
        if (support >= 0) {
            form->setCell(support, other);
        }
        const QString before = boardText(*form);
        runStage(*form, stage);
        QCOMPARE(newBlueCells(before), Cells{target});
        QCOMPARE(form->cellHolds(target, CellContent::Blue), true);
        for (int marker = 42; marker <= 48; ++marker) {
            const bool filled = board::isTopRow(target) && marker == board::markerAbove(target);
            QCOMPARE(form->markerVisible(marker), !filled);
        }
    }
    void precedence_data() {
        QTest::addColumn<Cells>("red");
        QTest::addColumn<Cells>("blue");
        QTest::addColumn<float>("randomValue");
        QTest::addColumn<int>("played");

        // Within a stage, lower rules first; across stages, any Blue win before any block.
        QTest::newRow("row win before column win")
            << Cells{0, 1, 3, 7, 8, 9, 10} << Cells{14, 15, 16, 21, 28} << 0.0F << 17;
        QTest::newRow("leftmost target in a window")
            << Cells{7, 8, 9, 10} << Cells{1, 2, 3} << 0.0F << 0;
        QTest::newRow("straight win before diagonal win")
            << Cells{1, 2, 3, 9, 10} << Cells{8, 16, 24, 14, 15, 17} << 0.0F << 0;
        QTest::newRow("rising win before falling win")
            << Cells{1, 2} << Cells{8, 16, 24, 9, 15, 21} << 0.0F << 0;
        QTest::newRow("diagonal win before a straight block")
            << Cells{4, 5, 6} << Cells{8, 16, 24} << 0.0F << 0;
        QTest::newRow("row block before column block")
            << Cells{29, 30, 31, 0, 7, 14} << Cells{21, 22, 23, 24} << 0.0F << 28;
        QTest::newRow("straight block before diagonal block")
            << Cells{8, 16, 24, 4, 5, 6} << Cells{} << 0.0F << 3;
        QTest::newRow("rising block before falling block")
            << Cells{8, 16, 24, 9, 15, 21} << Cells{} << 0.0F << 0;
        QTest::newRow("a Blue fourth cell stops a block")
            << Cells{0, 1, 2} << Cells{3} << 0.5F << 10;
        QTest::newRow("floating row target is never played")
            << Cells{1} << Cells{8, 9, 10} << 0.99F << 6;
        QTest::newRow("floating diagonal target is never played")
            << Cells{0, 16, 24} << Cells{} << 0.2F << 1;
        QTest::newRow("no row wraps 5-6-7-8") << Cells{5, 6, 7} << Cells{} << 0.99F << 13;
        QTest::newRow("no diagonal wraps 4-12-20-28") << Cells{4, 12, 20} << Cells{} << 0.0F << 0;
        QTest::newRow("no diagonal wraps 2-8-14-20") << Cells{2, 8, 14} << Cells{} << 0.99F << 6;
    }
    void precedence() {
        QFETCH(Cells, red);
        QFETCH(Cells, blue);
        QFETCH(float, randomValue);
        QFETCH(int, played);
        computerToMove(red, blue);
        game->random.values = {randomValue};
        const QString before = boardText(*form);
        form->TryWinStraight();
        QCOMPARE(newBlueCells(before), Cells{played});
        QCOMPARE(form->RedTurn, True);
    }
    void openingMove_data() {
        QTest::addColumn<int>("redColumn");
        QTest::addColumn<Cells>("threat"); // a Blue win the opening ignores
        QTest::addColumn<int>("played");
        QTest::newRow("red in column 0") << 0 << Cells{} << 3;
        QTest::newRow("red in column 6, rules untested") << 6 << Cells{8, 16, 24} << 3;
        QTest::newRow("red in the middle") << 3 << Cells{} << 4;
    }
    void openingMove() {
        QFETCH(int, redColumn);
        QFETCH(Cells, threat);
        QFETCH(int, played);
        form->NewGame();
        setCells(*form, {redColumn}, CellContent::Red);
        setCells(*form, threat, CellContent::Blue);
        form->RedTurn = False;
        form->ComputerTurn = True;
        const QString before = boardText(*form);
        form->TryWinStraight();
        QCOMPARE(newBlueCells(before), Cells{played});
        QCOMPARE(form->FirstComputerMove, False);
        QCOMPARE(form->RedTurn, True);
    }
    void openingSplitsTheHundredDraws() {
        int cell2 = 0;
        int cell4 = 0;
        for (int draw = 0; draw < 100; ++draw) {
            form->NewGame();
            form->setCell(3, CellContent::Red);
            game->random.values = {(static_cast<float>(draw) + 0.5F) / 100.0F};
            const int seedsBefore = game->random.seeds;
            form->TryWinStraight();
            QCOMPARE(game->random.seeds, seedsBefore + 1); // re-seeded from the clock each time
            cell2 += form->cellHolds(2, CellContent::Blue) ? 1 : 0;
            cell4 += form->cellHolds(4, CellContent::Blue) ? 1 : 0;
        }
        QCOMPARE(cell2, 49); // draws 51..99
        QCOMPARE(cell4, 51); // draws 0..50
    }
    void guardRefusesButHandsTheTurnBack() {
        computerToMove({1, 2, 3}, {});
        form->GameActive = False;
        form->TryWinStraight();
        QCOMPARE(boardText(*form), ".RRR" + QString(38, '.'));
        QCOMPARE(form->RedTurn, True);
        QCOMPARE(game->random.drawn, 0);
    }
    void randomMoveDrawsOneValueAndNeverPassesTheLastColumn_data() {
        QTest::addColumn<Cells>("red");
        QTest::addColumn<float>("randomValue");
        QTest::addColumn<int>("played");
        const float justBelowOne = std::nextafter(1.0F, 0.0F);
        QTest::newRow("0 gives column 0") << Cells{} << 0.0F << 0;
        QTest::newRow("just below 1 gives column 6") << Cells{} << justBelowOne << 6;
        QTest::newRow("full last column wraps to column 0")
            << Cells{6, 13, 20, 27, 34, 41} << justBelowOne << 0;
        QTest::newRow("a matching rule still uses up the draw") << Cells{8, 16, 24} << 0.5F << 0;
    }
    void randomMoveDrawsOneValueAndNeverPassesTheLastColumn() {
        QFETCH(Cells, red);
        QFETCH(float, randomValue);
        QFETCH(int, played);
        computerToMove({}, {});
        setBoard(*form, QString(42, '.'));
        setCells(*form, red, CellContent::Red);
        if (!red.isEmpty() && red.last() == 41) {
            form->hideMarker(48);
        }
        game->random.values = {randomValue};
        const QString before = boardText(*form);
        form->BlockRedDiagonal();
        QCOMPARE(newBlueCells(before), Cells{played});
        QCOMPARE(game->random.drawn, 1);
    }
    void everyReplyAddsOneBluePieceWhereItWouldFall() {
        const QList<Position> positions = reachablePositions(2000, 20261206);
        game->random.values.clear();
        SeededRandom values(7);
        for (const Position& position : positions) {
            loadPosition(*form, position);
            game->random.values = {values.next()};
            form->TryWinStraight();
            const Cells added = newBlueCells(position.cells);
            QCOMPARE(added.size(), 1);
            const int cell = added.first();
            QVERIFY(form->cellHolds(cell, CellContent::Blue));
            QVERIFY2(
                board::row(cell) == 0 || position.cells.at(cell - 7) != '.',
                qPrintable(QString("floating piece in %1 of %2").arg(cell).arg(position.cells)));
            QCOMPARE(form->markerVisible(board::markerAbove(cell)), !board::isTopRow(cell));
            QCOMPARE(form->RedTurn, True);
        }
    }
};

QTEST_MAIN(TestComputer)
#include "tst_computer.moc"
