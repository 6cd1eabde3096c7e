// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/dialogs.h"

class QWidget;

namespace tavelin {

// Real boxes, over the main window (centred on it, whether or not it is active), and titled as
// it is unless told otherwise.
class QtDialogs final : public Dialogs {
public:
    void setOwner(QWidget* owner) { owner_ = owner; }
    void msgBox(const QString& text, Style style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& defaultText) override;

private:
    QString titleOrDefault(const QString& title) const;

    QWidget* owner_ = nullptr;
};

} // namespace tavelin
