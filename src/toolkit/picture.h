// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

#include <cstdint>
#include <memory>

namespace tavelin {

// A picture object: an image with an identity. Copies of a Picture share the same object and
// compare equal by handle; a Picture made from the same pixels again is another object with
// another handle. The board relies on this: what a cell holds is which object it shows.
class Picture {
public:
    Picture() = default; // no picture: handle 0

    static Picture fromPixmap(const QPixmap& pixmap);
    // Draws a built-in SVG image at its logical size for the screens' device pixel ratio, so
    // that it is sharp at every scale, also at fractional ones.
    static Picture load(const QString& resourcePath, QSize logicalSize);
    static QPixmap render(const QString& resourcePath, QSize logicalSize, qreal pixelRatio);

    std::int32_t handle() const { return handle_; }
    bool isNull() const { return handle_ == 0; }
    const QPixmap& pixmap() const;

    friend bool operator==(const Picture& a, const Picture& b) { return a.handle_ == b.handle_; }

private:
    std::shared_ptr<const QPixmap> pixmap_;
    std::int32_t handle_ = 0;
};

} // namespace tavelin
