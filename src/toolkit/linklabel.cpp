// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/linklabel.h"

#include "toolkit/screenreaderpress.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionFocusRect>

namespace tavelin {

namespace {

// A link that a screen reader reads by its text and presses as a click does.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? link()->text() : QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& actionName) override {
        if (actionName != pressAction()) {
            QAccessibleWidget::doAction(actionName);
            return;
        }
        LinkLabel* label = link();
        pressForScreenReader(*label, [label] { label->click(); });
    }

private:
    LinkLabel* link() const { return static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* linkInterface(const QString& /*className*/, QObject* object) {
    auto* link = qobject_cast<LinkLabel*>(object);
    return link != nullptr ? new LinkAccessible(link) : nullptr;
}

} // namespace

LinkLabel::LinkLabel(QRect place, Qt::Alignment alignment, QWidget* parent)
    : Label(place, alignment, parent) {
    static const bool accessible = [] {
        QAccessible::installFactory(linkInterface);
        return true;
    }();
    Q_UNUSED(accessible);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!heldKeys_.repeats(*event)) {
            click();
        }
        break;
    default:
        Label::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    Label::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.backgroundColor = palette().color(backgroundRole());
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}

void LinkLabel::focusInEvent(QFocusEvent* event) {
    Label::focusInEvent(event);
    update();
}

void LinkLabel::focusOutEvent(QFocusEvent* event) {
    Label::focusOutEvent(event);
    update();
}

} // namespace tavelin
