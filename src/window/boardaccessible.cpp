// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/boardaccessible.h"

#include "toolkit/picturebox.h"
#include "toolkit/screenreaderpress.h"
#include "window/celltable.h"
#include "window/form1.h"
#include "window/markerrow.h"
#include "window/narrator.h"

#include <QAccessibleWidget>

#include <algorithm>

namespace tavelin {

namespace {

struct Board {
    Q_DECLARE_TR_FUNCTIONS(Board)
};

// The table's rows go from the top, as they are seen; the board's rows from the bottom.
int tableRow(int cell) {
    return board::rows - 1 - board::row(cell);
}

int cellAtTable(int row, int column) {
    return (board::rows - 1 - row) * board::columns + column;
}

PictureBox* box(const QWidget* holder, int index) {
    const auto boxes = holder->findChildren<PictureBox*>(Qt::FindDirectChildrenOnly);
    const auto found = std::ranges::find(boxes, index, &PictureBox::index);
    return found == boxes.end() ? nullptr : *found;
}

QAccessibleInterface* accessibleOf(QWidget* widget) {
    return widget == nullptr ? nullptr : QAccessible::queryAccessibleInterface(widget);
}

// The keyboard's element of its group has the focus, while the window is active.
QAccessible::State withKeyboardFocus(QAccessible::State state, QWidget* element) {
    state.focusable = true;
    const auto* group = qobject_cast<const KeyboardGroup*>(element->parentWidget());
    state.focused = group != nullptr && group->current() == element && element->isActiveWindow();
    return state;
}

// What a cell or a marker is read as comes from the board the window holds, whenever a screen
// reader asks: nothing of it is kept beside the board. None while the window is being taken
// down.
const Form1* boardOf(const QWidget* element) {
    return qobject_cast<const Form1*>(element->window());
}

CellContent contentOf(const Form1& form, int cell) {
    for (const CellContent content : {CellContent::Red, CellContent::Blue}) {
        if (form.cellHolds(cell, content)) {
            return content;
        }
    }
    return CellContent::Empty;
}

int piecesIn(const Form1& form, int column) {
    int pieces = 0;
    for (int cell = column; cell < board::cellCount; cell += board::columns) {
        pieces += contentOf(form, cell) == CellContent::Empty ? 0 : 1;
    }
    return pieces;
}

QAccessibleInterface* keyboardChild(const QWidget* group) {
    PictureBox* current = qobject_cast<const KeyboardGroup*>(group)->current();
    return current != nullptr && !current->isHidden() ? accessibleOf(current) : nullptr;
}

class CellAccessible : public QAccessibleWidget, public QAccessibleTableCellInterface {
public:
    explicit CellAccessible(PictureBox* cell)
        : QAccessibleWidget(cell, QAccessible::Cell), cell_(cell->index()) {}

    QString text(QAccessible::Text kind) const override {
        const Form1* form = boardOf(widget());
        if (kind != QAccessible::Name || form == nullptr) {
            return QAccessibleWidget::text(kind);
        }
        return cellName(cell_, contentOf(*form, cell_));
    }
    QAccessible::State state() const override {
        return withKeyboardFocus(QAccessibleWidget::state(), widget());
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) {
            return static_cast<QAccessibleTableCellInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    // Cells are read, not operated: no focus action either.
    QStringList actionNames() const override { return {}; }

    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return board::column(cell_); }
    int rowIndex() const override { return tableRow(cell_); }
    bool isSelected() const override { return false; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    const int cell_;
};

// Children in table order, row by row from the top.
class CellTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit CellTableAccessible(QWidget* table) : QAccessibleWidget(table, QAccessible::Table) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    int childCount() const override { return board::cellCount; }
    QAccessibleInterface* focusChild() const override { return keyboardChild(widget()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= board::cellCount) {
            return nullptr;
        }
        return cellAt(index / board::columns, index % board::columns);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* cell = child == nullptr ? nullptr : qobject_cast<PictureBox*>(child->object());
        if (cell == nullptr || cell->parentWidget() != widget()) {
            return -1;
        }
        return tableRow(cell->index()) * board::columns + board::column(cell->index());
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= board::rows || column < 0 || column >= board::columns) {
            return nullptr;
        }
        return accessibleOf(box(widget(), cellAtTable(row, column)));
    }
    int columnCount() const override { return board::columns; }
    int rowCount() const override { return board::rows; }
    QString columnDescription(int column) const override {
        return Board::tr("Column %1").arg(column + 1);
    }
    QString rowDescription(int row) const override {
        return Board::tr("Row %1").arg(board::rows - row);
    }
    // Nothing on the board is ever selected.
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int /*column*/) const override { return false; }
    bool isRowSelected(int /*row*/) const override { return false; }
    bool selectRow(int /*row*/) override { return false; }
    bool selectColumn(int /*column*/) override { return false; }
    bool unselectRow(int /*row*/) override { return false; }
    bool unselectColumn(int /*column*/) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* /*event*/) override {}
};

// A marker is read as its column with what the column holds. Pressing plays the column
// exactly as a click does.
class MarkerAccessible : public QAccessibleWidget {
public:
    explicit MarkerAccessible(PictureBox* marker)
        : QAccessibleWidget(marker, QAccessible::Button), marker_(marker->index()) {}

    QString text(QAccessible::Text kind) const override {
        const Form1* form = boardOf(widget());
        if (kind == QAccessible::Name) {
            return markerName(marker_);
        }
        if (kind != QAccessible::Description || form == nullptr) {
            return QAccessibleWidget::text(kind);
        }
        return columnContents(piecesIn(*form, board::column(marker_)));
    }
    QAccessible::State state() const override {
        return withKeyboardFocus(QAccessibleWidget::state(), widget());
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction()) {
            auto* marker = static_cast<PictureBox*>(widget());
            pressForScreenReader(*marker, [marker] { marker->click(); });
        }
    }

private:
    const int marker_;
};

// Only the markers on show are offered: a full column has no button.
class MarkerRowAccessible : public QAccessibleWidget {
public:
    explicit MarkerRowAccessible(QWidget* row) : QAccessibleWidget(row, QAccessible::Grouping) {}

    int childCount() const override { return static_cast<int>(shown().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<PictureBox*> markers = shown();
        return index >= 0 && index < markers.size() ? accessibleOf(markers.at(index)) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child == nullptr ? -1 : static_cast<int>(shown().indexOf(child->object()));
    }
    QAccessibleInterface* focusChild() const override { return keyboardChild(widget()); }

private:
    QList<PictureBox*> shown() const {
        QList<PictureBox*> markers =
            widget()->findChildren<PictureBox*>(Qt::FindDirectChildrenOnly);
        markers.removeIf([](const PictureBox* marker) { return marker->isHidden(); });
        return markers;
    }
};

QAccessibleInterface* boardInterface(const QString& /*className*/, QObject* object) {
    if (auto* notice = qobject_cast<Notice*>(object)) {
        return new QAccessibleWidget(notice, QAccessible::Notification);
    }
    if (auto* table = qobject_cast<CellTable*>(object)) {
        return new CellTableAccessible(table);
    }
    if (auto* row = qobject_cast<MarkerRow*>(object)) {
        return new MarkerRowAccessible(row);
    }
    auto* picture = qobject_cast<PictureBox*>(object);
    if (picture == nullptr) {
        return nullptr;
    }
    if (qobject_cast<CellTable*>(picture->parentWidget()) != nullptr) {
        return new CellAccessible(picture);
    }
    if (qobject_cast<MarkerRow*>(picture->parentWidget()) != nullptr) {
        return new MarkerAccessible(picture);
    }
    return nullptr;
}

} // namespace

void installBoardAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(boardInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

void tellCellChanged(QWidget& cell) {
    QAccessibleEvent name(&cell, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
}

void tellColumnChanged(QWidget& marker) {
    QAccessibleEvent contents(&marker, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&contents);
}

QString cellName(int cell, CellContent content) {
    const QString name = content == CellContent::Red    ? Board::tr("Column %1, row %2: red")
                         : content == CellContent::Blue ? Board::tr("Column %1, row %2: blue")
                                                        : Board::tr("Column %1, row %2: empty");
    return name.arg(board::column(cell) + 1).arg(board::row(cell) + 1);
}

QString markerName(int marker) {
    return Board::tr("Column %1").arg(marker - board::firstMarker + 1);
}

QString pieceSentence(int cell, CellContent content) {
    return (content == CellContent::Red ? Board::tr("Red, column %1, row %2.")
                                        : Board::tr("Blue, column %1, row %2."))
        .arg(board::column(cell) + 1)
        .arg(board::row(cell) + 1);
}

QString columnFullSentence(int column) {
    return Board::tr("Column %1 is full.").arg(column + 1);
}

QString fourInARowSentence(int firstCell, int lastCell) {
    return Board::tr("Four in a row: column %1, row %2 to column %3, row %4.")
        .arg(board::column(firstCell) + 1)
        .arg(board::row(firstCell) + 1)
        .arg(board::column(lastCell) + 1)
        .arg(board::row(lastCell) + 1);
}

QString drawSentence() {
    return Board::tr("The board is full: a draw.");
}

QString newGameSentence() {
    return Board::tr("New game.");
}

QString turnSentence(CellContent side) {
    return side == CellContent::Red ? Board::tr("Red to play.") : Board::tr("Blue to play.");
}

QString columnContents(int pieces) {
    if (pieces == 0) {
        return Board::tr("empty", "a column");
    }
    if (pieces == board::rows) {
        return Board::tr("full", "a column");
    }
    return Board::tr("%n pieces", nullptr, pieces);
}

QString sentences(const QStringList& said) {
    QString text = said.value(0);
    for (qsizetype next = 1; next < said.size(); ++next) {
        //: Joins two sentences that are read out one after the other
        text = Board::tr("%1 %2").arg(text, said.at(next));
    }
    return text;
}

} // namespace tavelin
