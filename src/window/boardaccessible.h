// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/board.h"

#include <QString>

class QWidget;

namespace tavelin {

// What a screen reader is told of the board: the cells as a table of 6 rows and 7 columns, the
// markers as buttons that play their column. Installed once per process; harmless when no
// assistive technology listens.
void installBoardAccessibility();
// Tell a screen reader that a cell's name, or what a column's marker says the column holds, has
// changed, as they are read from the board anew. One that keeps what it has read until told
// otherwise (Orca 51) would say "2 pieces" of a column that has since had two more. A column is
// told of once its cells are all set: Orca 51 says the focused marker's new contents, and would
// count down a column being emptied cell by cell.
void tellCellChanged(QWidget& cell);
void tellColumnChanged(QWidget& marker);

// In words, with columns numbered 1 to 7 from the left (as the number keys go) and rows 1 to 6
// from the bottom: "Column 4, row 1: red", "Column 4", a piece placed: "Blue, column 4, row 1.",
// a column that fills: "Column 4 is full.", a line that wins: "Four in a row: column 1, row 1 to
// column 4, row 4.", a board full without one: "The board is full: a draw.", a new game the other
// player started: "New game.", whose turn it is: "Red to play.", and what a column holds:
// "empty", "1 piece", "full". Sentences told together are joined as the language joins
// them.
QString cellName(int cell, CellContent content);
QString markerName(int marker);
QString pieceSentence(int cell, CellContent content);
QString columnFullSentence(int column);
QString fourInARowSentence(int firstCell, int lastCell);
QString drawSentence();
QString newGameSentence();
QString turnSentence(CellContent side);
QString columnContents(int pieces);
QString sentences(const QStringList& said);

} // namespace tavelin
