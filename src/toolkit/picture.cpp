// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/picture.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

#include <atomic>

namespace tavelin {

namespace {
std::int32_t nextHandle() {
    static std::atomic<std::int32_t> last{0};
    return ++last;
}
} // namespace

Picture Picture::fromPixmap(const QPixmap& pixmap) {
    Picture picture;
    picture.pixmap_ = std::make_shared<const QPixmap>(pixmap);
    picture.handle_ = nextHandle();
    return picture;
}

Picture Picture::load(const QString& resourcePath, QSize logicalSize) {
    return fromPixmap(render(resourcePath, logicalSize, qApp->devicePixelRatio()));
}

QPixmap Picture::render(const QString& resourcePath, QSize logicalSize, qreal pixelRatio) {
    QPixmap pixmap((QSizeF(logicalSize) * pixelRatio).toSize());
    pixmap.fill(Qt::transparent);
    QSvgRenderer svg(resourcePath);
    QPainter painter(&pixmap);
    svg.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(pixelRatio);
    return pixmap;
}

const QPixmap& Picture::pixmap() const {
    static const QPixmap none;
    return pixmap_ ? *pixmap_ : none;
}

} // namespace tavelin
