// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/dialogs.h"

#include <QString>

class QWidget;

namespace tavelin {

// Real boxes, over the main window (centred on it, whether or not it is active), and titled as
// it is unless told otherwise. A box opened from a modal dialog (the About box's links) goes
// over that dialog instead, not hidden behind it.
class QtDialogs final : public Dialogs {
public:
    void setOwner(QWidget* owner) { owner_ = owner; }
    // What a box goes over: the modal dialog in front, if any, else the owner.
    static QWidget* windowInFront(QWidget* owner);
    void msgBox(const QString& text, Style style, const QString& title) override;
    QString addressBox(const QString& prompt, const QString& defaultText,
                       GameDiscovery& discovery) override;

private:
    QString titleOrDefault(const QString& title) const;

    QWidget* owner_ = nullptr;
};

} // namespace tavelin
