#pragma once

#include "toolkit/dialogs.h"

namespace tavelin {

class QtDialogs final : public Dialogs {
public:
    void msgBox(const QString& text, Style style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& defaultText) override;
};

} // namespace tavelin
