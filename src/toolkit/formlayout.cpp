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

QJsonValue field(const QJsonObject& object, const char* name) {
    return object.value(QLatin1StringView(name));
}

int pixelsAt(const QJsonArray& twips, int i) {
    return FormLayout::pixels(twips.at(i).toInt());
}
} // namespace

FormLayout::FormLayout(const QString& resourcePath) : root_(readJson(resourcePath)) {}

QSize FormLayout::clientSize() const {
    return {pixels(field(root_, "width").toInt()), pixels(field(root_, "height").toInt())};
}

QJsonObject FormLayout::control(const char* name) const {
    return field(field(root_, "controls").toObject(), name).toObject();
}

QRect FormLayout::rect(const char* control) const {
    const QJsonArray place = field(this->control(control), "place").toArray();
    return {pixelsAt(place, 0), pixelsAt(place, 1), pixelsAt(place, 2), pixelsAt(place, 3)};
}

Qt::Alignment FormLayout::alignment(const char* control) const {
    const QString align = field(this->control(control), "align").toString();
    const Qt::Alignment horizontal = align == QLatin1StringView("right")    ? Qt::AlignRight
                                     : align == QLatin1StringView("centre") ? Qt::AlignHCenter
                                                                            : Qt::AlignLeft;
    return horizontal | Qt::AlignVCenter;
}

QLine FormLayout::line(const char* control) const {
    const QJsonArray ends = field(this->control(control), "line").toArray();
    return {pixelsAt(ends, 0), pixelsAt(ends, 1), pixelsAt(ends, 2), pixelsAt(ends, 3)};
}

int FormLayout::measure(const char* group, const char* key) const {
    return pixels(field(field(root_, group).toObject(), key).toInt());
}

} // namespace tavelin
