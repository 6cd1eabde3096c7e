// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>

namespace tavelin {

// Hands a web or mail address to the user's own browser or mail program and returns at once:
// false when no program would take it.
class UrlOpener {
public:
    UrlOpener() = default;
    virtual ~UrlOpener() = default;
    Q_DISABLE_COPY_MOVE(UrlOpener)

    virtual bool open(const QUrl& url) = 0;
};

class DesktopUrlOpener final : public UrlOpener {
public:
    bool open(const QUrl& url) override;
};

} // namespace tavelin
