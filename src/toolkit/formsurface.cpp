#include "toolkit/formsurface.h"

#include <QMouseEvent>
#include <QPainter>

namespace tavelin {

namespace {
// Paints lines over its siblings and lets every mouse event through to what lies below.
class LineOverlay : public QWidget {
public:
    LineOverlay(const QList<QLine>& lines, QWidget* parent) : QWidget(parent), lines_(lines) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(parent->rect());
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::FlatCap));
        painter.drawLines(lines_);
    }

private:
    QList<QLine> lines_;
};
} // namespace

FormSurface::FormSurface(QSize clientSize, QWidget* parent) : QWidget(parent) {
    setFixedSize(clientSize);
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

void FormSurface::drawLinesOnTop(const QList<QLine>& lines) {
    auto* overlay = new LineOverlay(lines, this);
    overlay->raise();
}

void FormSurface::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit mouseMoved(event->buttons(), event->modifiers(), at.x(), at.y());
}

} // namespace tavelin
