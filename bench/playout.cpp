// SPDX-License-Identifier: GPL-3.0-or-later
#include "playout.h"

#include "support/testplatform.h"

#include <random>

namespace tavelin::test {

namespace {
int randomOpenMarker(const Form1& form, std::mt19937& engine) {
    QList<int> open;
    for (int marker = board::firstMarker; marker <= board::lastMarker; ++marker) {
        if (form.markerVisible(marker)) {
            open.append(marker);
        }
    }
    if (open.isEmpty()) {
        return -1;
    }
    return open.at(std::uniform_int_distribution<int>(0, int(open.size()) - 1)(engine));
}
} // namespace

QList<Position> reachablePositions(int count, unsigned seed) {
    TestGame game;
    Form1& form = *game.form;
    SeededRandom computerRandom(seed);
    std::mt19937 red(seed);
    QList<Position> positions;
    while (positions.size() < count) {
        form.NewGame();
        for (int marker = randomOpenMarker(form, red); marker >= 0 && positions.size() < count;
             marker = randomOpenMarker(form, red)) {
            form.RedTurn = True;
            form.DropPiece(marker);
            if (form.YouWin() == True) {
                break;
            }
            positions.append({boardText(form), form.FirstComputerMove});
            loadPosition(form, positions.last());
            // The computer's random values come from the seeded sequence, not the clock.
            game.random.values = {computerRandom.next()};
            form.TryWinStraight();
            if (form.YouWin() == True) {
                break;
            }
        }
    }
    return positions;
}

void loadPosition(Form1& form, const Position& position) {
    form.NewGame();
    setBoard(form, position.cells);
    form.FirstComputerMove = position.firstComputerMove;
    form.RedTurn = False;
    form.ComputerTurn = True;
    form.GameActive = True;
}

} // namespace tavelin::test
