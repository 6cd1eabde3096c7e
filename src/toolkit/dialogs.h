#pragma once

#include <QString>

namespace tavelin {

// The modal message box and input box, behind a seam: the program shows real dialogs, tests
// record the texts and answer prompts without a modal loop.
class Dialogs {
public:
    enum Style { Plain = 0, Exclamation = 48 };

    virtual ~Dialogs() = default;
    // Returns when the user has closed the box. An empty title shows the application's own.
    virtual void msgBox(const QString& text, int style = Plain, const QString& title = {}) = 0;
    // Returns the text typed, or an empty text when the user cancels.
    virtual QString inputBox(const QString& prompt, const QString& defaultText) = 0;
};

} // namespace tavelin
