// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/formlayout.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <stdexcept>

namespace tavelin {

namespace {
// A layout is built in: missing or unreadable, the program itself is broken.
QJsonObject readJson(const QString& path) {
    QFile file(path);
    const QJsonDocument document =
        file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()) : QJsonDocument();
    if (!document.isObject()) {
        throw std::runtime_error("missing or malformed built-in layout " + path.toStdString());
    }
    return document.object();
}

int pixelsAt(const QJsonArray& twips, int i) {
    return FormLayout::pixels(twips.at(i).toInt());
}
} // namespace

FormLayout::FormLayout(const QString& resourcePath) : root_(readJson(resourcePath)) {}

QSize FormLayout::clientSize() const {
    return {pixels(root_.value("width").toInt()), pixels(root_.value("height").toInt())};
}

QJsonObject FormLayout::control(const QString& name) const {
    return root_.value("controls").toObject().value(name).toObject();
}

QRect FormLayout::rect(const QString& control) const {
    const QJsonArray place = this->control(control).value("place").toArray();
    return {pixelsAt(place, 0), pixelsAt(place, 1), pixelsAt(place, 2), pixelsAt(place, 3)};
}

Qt::Alignment FormLayout::alignment(const QString& control) const {
    const QString align = this->control(control).value("align").toString();
    const Qt::Alignment horizontal = align == "right"    ? Qt::AlignRight
                                     : align == "centre" ? Qt::AlignHCenter
                                                         : Qt::AlignLeft;
    return horizontal | Qt::AlignVCenter;
}

QLine FormLayout::line(const QString& control) const {
    const QJsonArray ends = this->control(control).value("line").toArray();
    return {pixelsAt(ends, 0), pixelsAt(ends, 1), pixelsAt(ends, 2), pixelsAt(ends, 3)};
}

int FormLayout::measure(const QString& group, const QString& key) const {
    return pixels(root_.value(group).toObject().value(key).toInt());
}

} // namespace tavelin
