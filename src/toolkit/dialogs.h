// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tavelin {

class GameDiscovery;

// The modal message box and input box, behind a seam: the program shows real dialogs, tests
// record the texts and answer prompts without a modal loop.
class Dialogs {
public:
    enum class Style { Plain, Exclamation };

    Dialogs() = default;
    virtual ~Dialogs() = default;
    Q_DISABLE_COPY_MOVE(Dialogs)

    // Returns when the user has closed the box. An empty title shows the application's own.
    virtual void msgBox(const QString& text, Style style = Style::Plain,
                        const QString& title = {}) = 0;
    // Asks for a peer's address, offering the games `discovery` finds on the local network.
    // Returns the text typed or chosen, or an empty text when the user cancels.
    virtual QString addressBox(const QString& prompt, const QString& defaultText,
                               GameDiscovery& discovery) = 0;
};

} // namespace tavelin
