// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QLine>
#include <QRect>
#include <QSize>
#include <QString>

namespace tavelin {

// A window layout from the built-in resources. Places are written in twips, as the layouts
// were drawn; this hands them out in device-independent pixels (15 twips each).
class FormLayout {
public:
    explicit FormLayout(const QString& resourcePath);

    static constexpr int twipsPerPixel = 15;
    static int pixels(int twips) { return twips / twipsPerPixel; }

    QSize clientSize() const;
    // Controls and measures are named as the layout file names them.
    QRect rect(const char* control) const;
    Qt::Alignment alignment(const char* control) const;
    QLine line(const char* control) const;
    // A single measure, such as the board's pitch: `group`.`key`.
    int measure(const char* group, const char* key) const;

private:
    QJsonObject control(const char* name) const;

    QJsonObject root_;
};

} // namespace tavelin
