// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form1.h"

#include "toolkit/formlayout.h"
#include "toolkit/formsurface.h"
#include "toolkit/label.h"
#include "toolkit/menuitemarray.h"
#include "toolkit/picturebox.h"
#include "window/boardaccessible.h"
#include "window/boardmarks.h"
#include "window/celltable.h"
#include "window/markerrow.h"
#include "window/narrator.h"
#include "window/piecefalls.h"

#include <QLayout>
#include <QMenuBar>
#include <QStyle>

namespace tavelin {

namespace {
constexpr QSize pieceSize{41, 41};
constexpr QSize pointerSize{32, 32};

Picture builtIn(const char* name, QSize size) {
    return Picture::load(QStringLiteral(":/artwork/%1.svg").arg(QLatin1String(name)), size);
}
} // namespace

Form1::Form1(const Platform& platform)
    : wsListen(platform.sockets),
      wsServer(platform.sockets, platform.network.greetingLimit, platform.network.greetingQuiet),
      wsClient(platform.sockets, platform.network.greetingLimit, platform.network.greetingQuiet),
      PicEmpty(builtIn("empty", pieceSize)), R(builtIn("red", pieceSize)),
      B(builtIn("blue", pieceSize)), NextPic(builtIn("next", pieceSize)),
      UnNext(builtIn("unnext", pieceSize)), imgRico(builtIn("redpointer", pointerSize)),
      imgBico(builtIn("bluepointer", pointerSize)), platform_(platform) {
    const FormLayout form(QStringLiteral(":/layouts/form1.json"));
    setWindowTitle(tr("Tavelin"));
    surface_ = new FormSurface(form.clientSize(), this);
    setCentralWidget(surface_);
    buildBoard(form);
    buildLabels(form);
    surface_->drawLinesOnTop({form.line("Line1"), form.line("Line2"), form.line("Line3")});
    buildMenu();
    layout()->setSizeConstraint(QLayout::SetFixedSize); // the layout never follows a resize
    setFocusPolicy(Qt::StrongFocus);                    // for playing by keyboard
    connect(surface_, &FormSurface::mouseMoved, this, [this] { Form_MouseMove(); });
    connectSockets();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::closeEvent(QCloseEvent* event) {
    Form_Unload();
    QMainWindow::closeEvent(event);
}

void Form1::buildBoard(const FormLayout& layout) {
    const int left = layout.measure("board", "left");
    const int bottomRowTop = layout.measure("board", "bottomRowTop");
    const int markerTop = layout.measure("board", "markerTop");
    const int pitch = layout.measure("board", "pitch");
    const int size = layout.measure("board", "size");
    const int width = pitch * (board::columns - 1) + size;
    const int topRowTop = bottomRowTop - pitch * (board::rows - 1);
    installBoardAccessibility();
    cellTable_ = new CellTable(surface_);
    cellTable_->setGeometry(left, topRowTop, width, bottomRowTop + size - topRowTop);
    cellTable_->setAccessibleName(tr("Board"));
    markerRow_ = new MarkerRow(surface_);
    markerRow_->setGeometry(left, markerTop, width, size);
    markerRow_->setAccessibleName(tr("Columns"));
    narrator_ = std::make_unique<Narrator>(*this);
    for (int index = 0; index < board::elementCount; ++index) {
        const bool cell = board::isCell(index);
        auto* control =
            new PictureBox(index, cell ? static_cast<QWidget*>(cellTable_) : markerRow_);
        const int x = pitch * board::column(index);
        const int y = cell ? bottomRowTop - pitch * board::row(index) - topRowTop : 0;
        control->setGeometry(x, y, size, size);
        connect(control, &PictureBox::mouseMoved, this,
                [this](int element) { Image1_MouseMove(element); });
        connect(control, &PictureBox::clicked, this,
                [this](int element) { Image1_Click(element); });
        image1_.at(static_cast<std::size_t>(index)) = control;
    }
    boardMarks_ = new BoardMarks(cellTable_);
    pieceFalls_ = new PieceFalls(markerTop, bottomRowTop - markerTop, PicEmpty, surface_);
}

void Form1::buildLabels(const FormLayout& layout) {
    label1_ = new Label(layout.rect("Label1"), layout.alignment("Label1"), surface_);
    label2_ = new Label(layout.rect("Label2"), layout.alignment("Label2"), surface_);
}

void Form1::buildMenu() {
    QMenu* mnuGame = menuBar()->addMenu(tr("&Game"));
    mnusubGame_ = new MenuItemArray(mnuGame, gameMenuItems());
    connect(mnusubGame_, &MenuItemArray::clicked, this,
            [this](int index) { mnusubGame_Click(index); });
    QAction* mnuAbout = menuBar()->addAction(tr("&About"));
    connect(mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
    // Leaving by keyboard closes the window like any other close: a peer is told.
    auto* quit = new QAction(this);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    addAction(quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);
}

void Form1::setCell(int cell, CellContent content) {
    Image1(cell).setPicture(picture(content));
    tellCellChanged(Image1(cell));
}

bool Form1::markerVisible(int marker) const {
    return !Image1(marker).isHidden();
}

void Form1::hideMarker(int marker) {
    Image1(marker).setVisible(false);
}

void Form1::showMarker(int marker) {
    Image1(marker).setVisible(true);
}

void Form1::highlightMarker(int marker) {
    Image1(marker).setPicture(NextPic);
}

void Form1::makeMarkerPlain(int marker) {
    Image1(marker).setPicture(UnNext);
}

bool Form1::showsMarkerPicture(int index) const {
    const Picture& shown = Image1(index).picture();
    return shown == UnNext || shown == NextPic;
}

bool Form1::markerHighlighted(int marker) const {
    return Image1(marker).picture() == NextPic;
}

void Form1::markLastPiece(int cell) {
    const QPoint centre = Image1(cell).geometry().center();
    pieceFalls_->afterLanding([this, centre] { boardMarks_->markLastPiece(centre); });
}

void Form1::markWinningLine(int firstCell, int lastCell) {
    const QLine centres(Image1(firstCell).geometry().center(),
                        Image1(lastCell).geometry().center());
    pieceFalls_->afterLanding([this, centres] { boardMarks_->markWinningLine(centres); });
}

void Form1::clearMarks() {
    pieceFalls_->clear();
    boardMarks_->clear();
}

// Where the desktop's style turns widget animations off, the piece is simply there, as the
// board has it.
void Form1::ShowFall(int cell, CellContent colour) {
    if (style()->styleHint(QStyle::SH_Widget_Animation_Duration, nullptr, this) > 0) {
        pieceFalls_->fall(Image1(cell).geometry().translated(cellTable_->pos()), picture(colour));
    }
}

bool Form1::pointerShowsRed() const {
    return mouseIcon_.handle() == imgRico.handle();
}

// The hot spot is given in logical pixels, at the disc's centre: left to itself, QCursor would
// take half the pixmap's device size, which at scale 2 lands off the disc.
void Form1::setMouseIcon(const Picture& picture) {
    mouseIcon_ = picture;
    const QSize size = picture.pixmap().deviceIndependentSize().toSize();
    setCursor(QCursor(picture.pixmap(), size.width() / 2, size.height() / 2));
}

} // namespace tavelin
