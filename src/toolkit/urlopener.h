#pragma once

#include <QUrl>

namespace tavelin {

// Hands a web or mail address to the user's own browser or mail program and returns at once.
class UrlOpener {
public:
    UrlOpener() = default;
    virtual ~UrlOpener() = default;
    Q_DISABLE_COPY_MOVE(UrlOpener)

    virtual void open(const QUrl& url) = 0;
};

class DesktopUrlOpener final : public UrlOpener {
public:
    void open(const QUrl& url) override;
};

} // namespace tavelin
