#include "toolkit/picture.h"

#include <QIcon>

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
    // QIcon picks up the "@2x" file beside the named one and hands out the variant that
    // suits the screen's device pixel ratio, so the artwork stays sharp on HiDPI screens.
    return fromPixmap(QIcon(resourcePath).pixmap(logicalSize));
}

const QPixmap& Picture::pixmap() const {
    static const QPixmap none;
    return pixmap_ ? *pixmap_ : none;
}

} // namespace tavelin
