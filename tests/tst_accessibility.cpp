// SPDX-License-Identifier: GPL-3.0-or-later
// The board as a screen reader sees it, through Qt's accessibility interfaces.
#include "support/testplatform.h"

#include <QAccessible>
#include <QTest>

using namespace tavelin;
using namespace tavelin::test;

namespace {
QAccessibleInterface* accessible(QWidget& widget) {
    return QAccessible::queryAccessibleInterface(&widget);
}
} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

    std::unique_ptr<TestGame> game;
    Form1* form = nullptr;

    QAccessibleInterface* table() const { return accessible(form->Image1(0))->parent(); }
    QAccessibleInterface* markerRow() const { return accessible(form->Image1(42))->parent(); }

private slots:
    void init() {
        game = std::make_unique<TestGame>();
        form = game->form.get();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    // Every cell, read through the table by row and column, names its place and content.
    void tableNamesEveryCell() {
        setBoard(*form, "RB.....R");
        QAccessibleTableInterface* cells = table()->tableInterface();
        QVERIFY(cells != nullptr);
        QCOMPARE(table()->role(), QAccessible::Table);
        QCOMPARE(cells->rowCount(), 6);
        QCOMPARE(cells->columnCount(), 7);
        const QString board = boardText(*form);
        for (int row = 0; row < 6; ++row) {
            for (int column = 0; column < 7; ++column) {
                QAccessibleInterface* cell = cells->cellAt(row, column);
                const int index = (5 - row) * 7 + column;
                const QChar piece = board.at(index);
                const QString content = piece == 'R' ? "red" : piece == 'B' ? "blue" : "empty";
                QCOMPARE(
                    cell->text(QAccessible::Name),
                    QString("Column %1, row %2: %3").arg(column + 1).arg(6 - row).arg(content));
                QCOMPARE(cell->role(), QAccessible::Cell);
                QCOMPARE(cell->tableCellInterface()->rowIndex(), row);
                QCOMPARE(cell->tableCellInterface()->columnIndex(), column);
                QCOMPARE(table()->indexOfChild(cell), row * 7 + column);
                QCOMPARE(table()->child(row * 7 + column), cell);
            }
        }
    }

    // Pressing a marker plays as a click: Red lands, the computer answers, and the cell names
    // and the board's description tell of it.
    void pressingAMarkerPlaysAndIsTold() {
        QAccessibleInterface* marker = accessible(form->Image1(45));
        QCOMPARE(marker->role(), QAccessible::Button);
        QCOMPARE(marker->text(QAccessible::Name), QString("Column 4"));
        marker->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(boardText(*form).count('B'), 1);
        QCOMPARE(boardText(*form).at(3), QChar('R'));
        QCOMPARE(accessible(form->Image1(3))->text(QAccessible::Name),
                 QString("Column 4, row 1: red"));
        QVERIFY(table()->text(QAccessible::Description).startsWith("Blue played column "));
    }
    void onlyMarkersOnShowAreOffered() {
        QCOMPARE(markerRow()->childCount(), 7);
        setBoard(*form, QString(35, '.') + "RB");
        QCOMPARE(markerRow()->childCount(), 5);
        for (int index = 0; index < 5; ++index) {
            const QString name = markerRow()->child(index)->text(QAccessible::Name);
            QCOMPARE(name, QString("Column %1").arg(index + 3));
            QCOMPARE(markerRow()->indexOfChild(markerRow()->child(index)), index);
        }
    }

    void keyboardColumnIsTheFocusedChild() {
        setBoard(*form, QString(35, '.') + "R");
        QTest::keyClick(form, Qt::Key_Right); // from no highlight to the first open column
        QCOMPARE(markerRow()->focusChild(), accessible(form->Image1(43)));
        QVERIFY(accessible(form->Image1(43))->state().focused);
        QVERIFY(!accessible(form->Image1(44))->state().focused);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
